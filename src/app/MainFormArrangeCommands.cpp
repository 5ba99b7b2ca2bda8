// The commands of the "整列" menu: align, match sizes, space evenly.
#include "app/MainForm.h"

#include "document/ArrangeSelection.h"

#include <QAction>

using volmar::ArrangeCommand;

namespace {

struct ArrangeAction {
    QAction* TMainForm::*action;
    ArrangeCommand command;
};

constexpr ArrangeAction kArrangeActions[] = {
    {&TMainForm::aacAlignLeft, ArrangeCommand::AlignLeft},
    {&TMainForm::aacAlignRight, ArrangeCommand::AlignRight},
    {&TMainForm::aacAlignTop, ArrangeCommand::AlignTop},
    {&TMainForm::aacAlignBottom, ArrangeCommand::AlignBottom},
    {&TMainForm::aacAlignHCenter, ArrangeCommand::AlignHorizontalCentre},
    {&TMainForm::aacAlignVCenter, ArrangeCommand::AlignVerticalCentre},
    {&TMainForm::aacSameWidth, ArrangeCommand::SameWidth},
    {&TMainForm::aacSameHeight, ArrangeCommand::SameHeight},
    {&TMainForm::aacSpaceHorz, ArrangeCommand::SpaceHorizontally},
    {&TMainForm::aacSpaceVert, ArrangeCommand::SpaceVertically},
};

} // namespace

void TMainForm::aacAlignUpdate() {
    const int selected = CountSelected();
    for (const ArrangeAction& entry : kArrangeActions)
        (this->*entry.action)->setEnabled(selected >= volmar::MinimumSelectionFor(entry.command));
}

const TWindowItem* TMainForm::ArrangeReference() const {
    return volmar::ArrangeReference(document_, arrangeReference_);
}

// The selection and the reference stay; only the moved windows' bounds change.
void TMainForm::ArrangeSelected(ArrangeCommand command) {
    const std::vector<volmar::ArrangeChange> changes =
        volmar::ArrangeSelection(document_, arrangeReference_, command);
    if (changes.empty())
        return;
    for (const volmar::ArrangeChange& change : changes) {
        TWindowItem* item = document_.At(change.Index);
        item->Left = change.After.Left;
        item->Top = change.After.Top;
        item->Right = change.After.Right;
        item->Bottom = change.After.Bottom;
    }
    RebuildFrames();
    invalidateCanvas();
}

void TMainForm::aacAlignLeftExecute() {
    ArrangeSelected(ArrangeCommand::AlignLeft);
}

void TMainForm::aacAlignRightExecute() {
    ArrangeSelected(ArrangeCommand::AlignRight);
}

void TMainForm::aacAlignTopExecute() {
    ArrangeSelected(ArrangeCommand::AlignTop);
}

void TMainForm::aacAlignBottomExecute() {
    ArrangeSelected(ArrangeCommand::AlignBottom);
}

void TMainForm::aacAlignHCenterExecute() {
    ArrangeSelected(ArrangeCommand::AlignHorizontalCentre);
}

void TMainForm::aacAlignVCenterExecute() {
    ArrangeSelected(ArrangeCommand::AlignVerticalCentre);
}

void TMainForm::aacSameWidthExecute() {
    ArrangeSelected(ArrangeCommand::SameWidth);
}

void TMainForm::aacSameHeightExecute() {
    ArrangeSelected(ArrangeCommand::SameHeight);
}

void TMainForm::aacSpaceHorzExecute() {
    ArrangeSelected(ArrangeCommand::SpaceHorizontally);
}

void TMainForm::aacSpaceVertExecute() {
    ArrangeSelected(ArrangeCommand::SpaceVertically);
}
