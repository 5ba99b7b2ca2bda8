// The undo history: the undo and redo commands, and the steps of frame drags,
// keyboard nudges and edge changes of several windows.
#include "app/MainForm.h"

#include "canvas/BandTool.h"
#include "canvas/FrameBinding.h"
#include "canvas/FrameDragTool.h"
#include "canvas/InputWatch.h"
#include "canvas/QxGrabSize.h"
#include "edit/NudgeStep.h"

#include <QAction>
#include <QLabel>

#include <algorithm>

namespace {

// The fixed words of the command, then the name of the step it would take.
void ShowStep(QAction* action, const QString& words, bool possible, const QString& step) {
    action->setEnabled(possible);
    const QString text = possible && !step.isEmpty() ? words + u' ' + step : words;
    if (action->text() != text)
        action->setText(text);
}

} // namespace

void TMainForm::WireUndoHistory() {
    project_.Current = [this] {
        return volmar::ProjectName{currentFileName_, StatusPanels[0]->text(), document_.Target()};
    };
    project_.Set = [this](const volmar::ProjectName& project) {
        currentFileName_ = project.FileName;
        setStatusText(0, project.StatusText);
        document_.SetTarget(project.Target);
    };
    aacRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    inputWatch_ = new volmar::InputWatch(this);
    inputWatch_->OnOtherInput = [this] { ++nudgeChain_; };
}

void TMainForm::aacUndoUpdate() {
    ShowStep(aacUndo, QStringLiteral("元に戻す(&U)"), undoStack_.canUndo(), undoStack_.undoText());
    ShowStep(aacRedo, QStringLiteral("やり直し(&R)"), undoStack_.canRedo(), undoStack_.redoText());
}

bool TMainForm::isDragging() const {
    return bandTool_->IsDragging();
}

bool TMainForm::IsDragUnderWay() const {
    return isDragging() || std::any_of(frames_.begin(), frames_.end(), [](auto* frame) {
               return frame->IsMoving() || frame->IsResizing();
           });
}

void TMainForm::aacUndoExecute() {
    if (IsDragUnderWay() || !undoStack_.canUndo())
        return;
    frameTool_->Forget();
    ++nudgeChain_;
    undoStack_.undo();
}

void TMainForm::aacRedoExecute() {
    if (IsDragUnderWay() || !undoStack_.canRedo())
        return;
    frameTool_->Forget();
    ++nudgeChain_;
    undoStack_.redo();
}

// A frame drag still open is recorded first, as a step of its own, and goes
// on from where the new step leaves the windows: every step finds the
// document as the one before it left it.
void TMainForm::PushStep(std::unique_ptr<volmar::EditStep> step) {
    if (!step)
        return;
    frameTool_->Flush();
    ++nudgeChain_;
    undoStack_.push(step.release());
    frameTool_->Rebase();
}

void TMainForm::PushBoundsChange(const QString& name,
                                 const std::vector<volmar::IndexedBoundsChange>& changes) {
    volmar::ChangeNotifier::Batch batch(document_.Notices());
    std::vector<volmar::BoundsChange> applied;
    applied.reserve(changes.size());
    for (const volmar::IndexedBoundsChange& change : changes) {
        if (change.Index < 0 || change.Index >= document_.Count())
            continue;
        TWindowItem* item = document_.At(change.Index);
        volmar::SetBounds(*item, change.After);
        applied.push_back(volmar::BoundsChange{item, change.Before, change.After});
    }
    document_.Notify(volmar::DocumentChanges{.Bounds = true});
    PushStep(volmar::BoundsStep::FromApplied(document_, name, applied,
                                             volmar::SelectedDefinitions(document_)));
}

// Only the frames of selected windows are walked, so a nudge costs as much
// as the selection, not the document.
std::vector<volmar::BoundsChange> TMainForm::SelectedFrameBounds() const {
    std::vector<volmar::BoundsChange> bounds;
    bounds.reserve(frames_.size());
    for (TQxGrabSize* frame : frames_) {
        TWindowItem* item = FrameItem(frame);
        if (!item || !item->Selected)
            continue;
        const volmar::CanvasRect now = volmar::BoundsOf(*item);
        bounds.push_back(volmar::BoundsChange{item, now, now});
    }
    return bounds;
}

// A nudge records the selected windows' edges before it moves them, and
// pushes a step that merges with the one before while the run goes on.
std::vector<volmar::BoundsChange> TMainForm::BeginNudge() {
    frameTool_->Flush();
    return SelectedFrameBounds();
}

void TMainForm::FinishNudge(std::vector<volmar::BoundsChange> changes) {
    for (volmar::BoundsChange& change : changes)
        change.After = volmar::BoundsOf(*change.Item);
    if (std::unique_ptr<volmar::NudgeStep> step =
            volmar::NudgeStep::FromApplied(document_, changes, nudgeChain_))
        undoStack_.push(step.release());
    frameTool_->Rebase();
}
