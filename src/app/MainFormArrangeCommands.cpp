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

// One step named after the command; the selection and the reference stay.
void TMainForm::ArrangeSelected(ArrangeCommand command) {
    const std::vector<volmar::ArrangeChange> changes =
        volmar::ArrangeSelection(document_, arrangeReference_, command);
    if (changes.empty())
        return;
    std::vector<volmar::IndexedBoundsChange> step;
    step.reserve(changes.size());
    for (const volmar::ArrangeChange& change : changes)
        step.push_back(volmar::IndexedBoundsChange{change.Index, change.Before, change.After});
    for (const ArrangeAction& entry : kArrangeActions)
        if (entry.command == command)
            PushBoundsChange((this->*entry.action)->text(), step);
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
