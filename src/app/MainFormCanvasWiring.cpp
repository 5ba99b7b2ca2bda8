// What the canvas interaction adds to the window: the pointer handlers of the
// canvas, the rubber band, the hint window and the application's key hook.
#include "app/HintFormWnd.h"
#include "app/MainForm.h"
#include "app/PaintBox.h"

#include "canvas/ApplicationEvents.h"
#include "canvas/BandTool.h"
#include "canvas/FrameDragTool.h"
#include "canvas/FrameOverlay.h"
#include "canvas/FramePool.h"
#include "canvas/RubberBand.h"

#include <QMouseEvent>

void TMainForm::WireCanvasInteraction() {
    HintFormWnd = new THintFormWnd(this);
    rubberBand_ = new volmar::RubberBand(WindowEditor);
    frameOverlay_ = new volmar::FrameOverlay(WindowEditorBackPanel);
    framePool_ = std::make_unique<volmar::FramePool>([this] { return MakeFrame(); });
    const auto show = [this](const volmar::GuideLines& lines) { ShowGuideLines(lines); };
    bandTool_ = std::make_unique<volmar::BandTool>(document_, view_, show);
    frameTool_ = std::make_unique<volmar::FrameDragTool>(document_, view_, undoStack_, show);

    WindowEditor->OnMouseDown = [this](QMouseEvent* event) {
        runGuarded([this, event] { WindowEditorMouseDown(event); });
    };
    WindowEditor->OnMouseMove = [this](QMouseEvent* event) {
        runGuarded([this, event] { WindowEditorMouseMove(event); });
    };
    WindowEditor->OnMouseUp = [this](QMouseEvent* event) {
        runGuarded([this, event] { WindowEditorMouseUp(event); });
    };

    applicationEvents_ = new volmar::ApplicationEvents(this);
    applicationEvents_->OnShortCut = [this](QWidget* receiver, QKeyEvent* event) {
        bool handled = false;
        runGuarded([&] { handled = ApplicationEventsShortCut(receiver, event); });
        return handled;
    };
}

void TMainForm::ShowCanvasHint(const QString& text, QPoint globalPointer) {
    HintFormWnd->ShowCanvasHint(text, globalPointer);
}

void TMainForm::HideCanvasHint() {
    HintFormWnd->HideCanvasHint();
}
