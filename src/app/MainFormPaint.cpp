// Paint handlers of the canvas and the rulers, and what asks them to repaint.
#include "app/MainForm.h"
#include "app/PaintBox.h"

#include "render/CanvasPainter.h"
#include "render/Fonts.h"
#include "render/GuideLinePainter.h"
#include "render/RulerPainter.h"
#include "render/ZoomedCopy.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

void TMainForm::WirePaintBoxes() {
    WindowEditor->OnPaint = [this](QImage& buffer, const QRect& clip) {
        WindowEditorPaint(buffer, clip);
    };
    rulerXPaint->OnPaint = [this](QImage& buffer, const QRect& clip) {
        rulerXPaintPaint(buffer, clip);
    };
    rulerYPaint->OnPaint = [this](QImage& buffer, const QRect& clip) {
        rulerYPaintPaint(buffer, clip);
    };
    rulerXPaint->OnMouseMove = [this](QMouseEvent* event) { rulerXPaintMouseMove(event); };
    rulerYPaint->OnMouseMove = [this](QMouseEvent* event) { rulerYPaintMouseMove(event); };
    connect(WindowEditor, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        WindowEditorPopup->popup(WindowEditor->mapToGlobal(pos));
    });
}

void TMainForm::invalidateCanvas() {
    WindowEditor->Invalidate();
}

void TMainForm::invalidateRulers() {
    rulerXPaint->Invalidate();
    rulerYPaint->Invalidate();
}

void TMainForm::repaintRulers() {
    rulerXPaint->repaint();
    rulerYPaint->repaint();
}

QPoint TMainForm::pointerPosition() const {
    return pointerSource_();
}

void TMainForm::setPointerPositionSource(std::function<QPoint()> source) {
    pointerSource_ = std::move(source);
}

void TMainForm::rulerXPaintMouseMove(QMouseEvent*) {
    rulerXPaint->update();
}

void TMainForm::rulerYPaintMouseMove(QMouseEvent*) {
    rulerYPaint->update();
}

// Zoomed, the canvas is painted at 1:1 first, only where the clip shows it,
// and then copied onto the screen a square of pixels for each of its pixels.
void TMainForm::WindowEditorPaint(QImage& buffer, const QRect& clip) {
    const volmar::ViewTransform view = Transform();
    if (view.Factor == 1) {
        PaintCanvasImage(buffer, clip);
        return;
    }
    const QSize canvas(document_.Canvas().Width, document_.Canvas().Height);
    if (zoomedCanvas_.size() != canvas)
        zoomedCanvas_ = QImage(canvas, QImage::Format_RGB32);
    PaintCanvasImage(zoomedCanvas_, view.CanvasCover(clip) & zoomedCanvas_.rect());
    volmar::CopyZoomed(zoomedCanvas_, view.Factor, buffer, clip);
}

void TMainForm::PaintCanvasImage(QImage& image, const QRect& clip) {
    volmar::PaintCanvas(image, view_, skin_, document_, volmar::WindowLabelFont(), clip,
                        background_.Image());
    volmar::PaintGuideLines(image, guideLines_, clip);
}

// What a ruler repaint needs: the pointer in the ruler's own coordinates and
// the bounds of the selected window's frame.
volmar::RulerPaint TMainForm::RulerPaintFor(const QWidget* ruler, const QRect& clip,
                                            bool horizontal) const {
    volmar::RulerPaint paint;
    paint.Area = clip;
    paint.Face = volmar::ControlFaceColor();
    paint.Font = volmar::RulerFont();
    const QPoint pointer = ruler->mapFromGlobal(pointerPosition());
    paint.Pointer = horizontal ? pointer.x() : pointer.y();
    if (const TQxGrabSize* frame = FindSelectedFrame())
        paint.Selection = FrameRulerSelection(frame);
    paint.Visible = !ruler->parentWidget()->isHidden();
    paint.Canvas = document_.Canvas();
    paint.Zoom = view_.Zoom;
    return paint;
}

void TMainForm::rulerXPaintPaint(QImage& buffer, const QRect& clip) {
    QPainter painter(&buffer);
    volmar::PaintHorizontalRuler(painter, RulerPaintFor(rulerXPaint, clip, true));
}

void TMainForm::rulerYPaintPaint(QImage& buffer, const QRect& clip) {
    QPainter painter(&buffer);
    volmar::PaintVerticalRuler(painter, RulerPaintFor(rulerYPaint, clip, false));
}
