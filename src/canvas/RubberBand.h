#pragma once

#include "document/CanvasRect.h"

#include <QWidget>

namespace volmar {

// The rubber band of a drag on the canvas: a dotted one-pixel outline drawn
// by inverting the canvas under it, so it shows on dark and light alike.
// It lies over the canvas as a child that lets every pointer event through;
// there is only ever one band, and hiding it leaves no trace because the
// canvas repaints what it covered.
class RubberBand : public QWidget {
    Q_OBJECT

public:
    explicit RubberBand(QWidget* canvas);

    // Shows the outline of a normalised band in canvas coordinates (right and
    // bottom exclusive). A band without area shows nothing.
    void ShowBand(const CanvasRect& band);
    void HideBand();
    // The canvas shows each of its pixels as factor by factor screen pixels.
    void SetZoom(int factor) { zoom_ = factor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int zoom_ = 1;
};

} // namespace volmar
