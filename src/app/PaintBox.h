#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace volmar {

// A surface that others paint: the design canvas and the two rulers.
// Its owner assigns the handlers; a handler that is not assigned is skipped.
// Each repaint is composed in an off-screen image of the box's own size, one
// image pixel per logical pixel, and then shown at once (scaled without
// smoothing on high-density screens).
class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);

    std::function<void(QImage& buffer, const QRect& clip)> OnPaint;
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;
    std::function<void(QMouseEvent*)> OnDblClick;

    // Asks for a repaint of the whole box. Until it is painted, asking again
    // costs nothing, so a batch of thousands of changes may ask each time.
    void Invalidate();

    // The image of the last repaint.
    const QImage& Buffer() const { return buffer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage buffer_;
    bool invalidated_ = false;
};

} // namespace volmar
