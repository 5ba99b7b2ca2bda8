#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace volmar {

// Paints the grab-handle frames of its panel in one pass. Frames handed to it
// (TQxGrabSize::SetOverlay) stay widgets for the pointer but paint nothing
// themselves and mark nothing dirty when they move: with thousands of frames
// selected, one painter for all of them and one dirty rectangle per batch of
// moves are what keep Select All and the arrow keys quick.
//
// The overlay covers its panel, lies above the panel's other children and
// lets every pointer event through. Frames are drawn in their stacking order
// into a transparent layer, one image pixel per logical pixel, which is then
// shown at once (scaled without smoothing on high-density screens), so the
// pixels are those the frames would paint themselves.
class FrameOverlay : public QWidget {
    Q_OBJECT

public:
    explicit FrameOverlay(QWidget* panel);

    // A frame's pixels in this rectangle (panel coordinates) changed. The
    // rectangles are gathered into one, so that a batch of thousands of moves
    // asks Qt for one repaint of their bounding rectangle.
    void Touch(const QRect& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawFrames(const QRect& area);

    QRect requested_;
    QImage layer_;
};

} // namespace volmar
