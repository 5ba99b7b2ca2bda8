// The arrow keys on the canvas: moving and resizing the selected windows.
#include "app/MainForm.h"

#include "canvas/KeyNudge.h"
#include "canvas/SelectionNudge.h"

#include <QApplication>
#include <QKeyEvent>

#include <utility>

// Sees only the keys that no menu entry or action shortcut claimed. While the
// window is active, the canvas panel has the focus and a window is selected,
// every such key is taken, and the arrow keys nudge the selection.
bool TMainForm::ApplicationEventsShortCut(QWidget* receiver, QKeyEvent* event) {
    if (QApplication::activeWindow() != this)
        return false;
    if (QApplication::focusWidget() != WindowEditorBackPanel || receiver != WindowEditorBackPanel)
        return false;
    if (!FindSelectedFrame())
        return false;
    ApplyKeyNudge(event);
    return true;
}

void TMainForm::ApplyKeyNudge(const QKeyEvent* event) {
    const std::optional<volmar::KeyNudge> nudge =
        volmar::KeyNudgeFor(event->key(), event->modifiers());
    if (!nudge)
        return;
    if (nudge->Resize)
        ResizeSelectedBy(nudge->Dx, nudge->Dy);
    else
        MoveSelectedBy(nudge->Dx, nudge->Dy);
}

void TMainForm::MoveSelectedBy(qint32 dx, qint32 dy) {
    std::vector<volmar::BoundsChange> changes = BeginNudge();
    volmar::MoveSelectedFrames(frames_, dx, dy);
    FinishNudge(std::move(changes));
    RepaintAfterNudge();
}

void TMainForm::ResizeSelectedBy(qint32 dw, qint32 dh) {
    std::vector<volmar::BoundsChange> changes = BeginNudge();
    volmar::ResizeSelectedFrames(frames_, dw, dh);
    FinishNudge(std::move(changes));
    RepaintAfterNudge();
}

// The frames' moves have marked the canvas already, so the rulers' immediate
// repaint paints it and the frames over it in the same pass.
void TMainForm::RepaintAfterNudge() {
    repaintRulers();
}
