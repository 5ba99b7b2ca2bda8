// The undo history: the undo and redo commands, and the steps of frame drags,
// keyboard nudges and edge changes of several windows.
#include "app/MainForm.h"

#include "canvas/FrameBinding.h"
#include "canvas/InputWatch.h"
#include "canvas/QxGrabSize.h"
#include "edit/NudgeStep.h"

#include <QAction>
#include <QComboBox>
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
        return volmar::ProjectName{currentFileName_, StatusPanels[0]->text()};
    };
    project_.Set = [this](const volmar::ProjectName& project) {
        currentFileName_ = project.FileName;
        setStatusText(0, project.StatusText);
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

bool TMainForm::IsDragUnderWay() const {
    return drag_.IsDragging() || std::any_of(frames_.begin(), frames_.end(), [](auto* frame) {
               return frame->IsMoving() || frame->IsResizing();
           });
}

void TMainForm::aacUndoExecute() {
    if (IsDragUnderWay() || !undoStack_.canUndo())
        return;
    dragBaseline_.clear();
    ++nudgeChain_;
    undoStack_.undo();
    AfterHistoryStep();
}

void TMainForm::aacRedoExecute() {
    if (IsDragUnderWay() || !undoStack_.canRedo())
        return;
    dragBaseline_.clear();
    ++nudgeChain_;
    undoStack_.redo();
    AfterHistoryStep();
}

// Most steps leave the selection and the list as they were and only move
// windows: then the frames are moved rather than made anew, and the selector
// keeps its items. The result is what the rebuilds would give.
void TMainForm::AfterHistoryStep() {
    if (FramesStandForSelection()) {
        for (TQxGrabSize* frame : frames_) {
            const volmar::FrameBounds b = volmar::FrameBoundsForItem(*FrameItem(frame));
            frame->SetBounds(b.Left, b.Top, b.Width, b.Height);
        }
    } else {
        RebuildFrames();
    }
    if (SelectorListsDocument())
        SyncWindowSelector();
    else
        RebuildWindowSelector();
    invalidateCanvas();
}

// The frames are, in list order, those of exactly the selected definitions.
bool TMainForm::FramesStandForSelection() const {
    size_t next = 0;
    for (const auto& item : document_) {
        if (!item->Selected)
            continue;
        if (next == frames_.size() || FrameItem(frames_[next]) != item.get())
            return false;
        ++next;
    }
    return next == frames_.size();
}

bool TMainForm::SelectorListsDocument() const {
    if (WindowSelector->count() != document_.Count())
        return false;
    for (int i = 0; i < document_.Count(); ++i) {
        const TWindowItem* item = document_.At(i);
        if (WindowSelector->itemData(i).value<TWindowItem*>() != item ||
            WindowSelector->itemText(i) != item->Name)
            return false;
    }
    return true;
}

// A frame drag still open is recorded first, as a step of its own, and goes
// on from where the new step leaves the windows: every step finds the
// document as the one before it left it.
void TMainForm::PushStep(std::unique_ptr<volmar::EditStep> step) {
    if (!step)
        return;
    FlushFrameDrag();
    ++nudgeChain_;
    undoStack_.push(step.release());
    RebaseFrameDrag();
}

void TMainForm::PushBoundsChange(const QString& name,
                                 const std::vector<volmar::IndexedBoundsChange>& changes) {
    std::vector<volmar::BoundsChange> applied;
    applied.reserve(changes.size());
    for (const volmar::IndexedBoundsChange& change : changes) {
        if (change.Index < 0 || change.Index >= document_.Count())
            continue;
        TWindowItem* item = document_.At(change.Index);
        volmar::SetBounds(*item, change.After);
        applied.push_back(volmar::BoundsChange{item, change.Before, change.After});
    }
    PushStep(volmar::BoundsStep::FromApplied(document_, name, applied,
                                             volmar::SelectedDefinitions(document_)));
    RebuildFrames();
    invalidateCanvas();
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

void TMainForm::BeginFrameDrag() {
    dragBaseline_ = SelectedFrameBounds();
}

// The frames wrote every change into their windows as it happened; the step
// only records where the windows were and where they are now.
void TMainForm::FlushFrameDrag() {
    if (dragBaseline_.empty())
        return;
    for (volmar::BoundsChange& change : dragBaseline_)
        change.After = volmar::BoundsOf(*change.Item);
    std::unique_ptr<volmar::BoundsStep> step =
        volmar::BoundsStep::FromApplied(document_, volmar::MoveOrResizeName(dragBaseline_),
                                        dragBaseline_, volmar::SelectedDefinitions(document_));
    RebaseFrameDrag();
    if (step)
        undoStack_.push(step.release());
}

void TMainForm::RebaseFrameDrag() {
    for (volmar::BoundsChange& change : dragBaseline_)
        change.Before = volmar::BoundsOf(*change.Item);
}

void TMainForm::FinishFrameDrag() {
    FlushFrameDrag();
    dragBaseline_.clear();
    ++nudgeChain_;
}

// A nudge records the selected windows' edges before it moves them, and
// pushes a step that merges with the one before while the run goes on.
std::vector<volmar::BoundsChange> TMainForm::BeginNudge() {
    FlushFrameDrag();
    return SelectedFrameBounds();
}

void TMainForm::FinishNudge(std::vector<volmar::BoundsChange> changes) {
    for (volmar::BoundsChange& change : changes)
        change.After = volmar::BoundsOf(*change.Item);
    if (std::unique_ptr<volmar::NudgeStep> step =
            volmar::NudgeStep::FromApplied(document_, changes, nudgeChain_))
        undoStack_.push(step.release());
    RebaseFrameDrag();
}
