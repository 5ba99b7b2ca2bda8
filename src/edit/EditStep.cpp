#include "edit/EditStep.h"

#include <utility>

namespace volmar {

Selection SelectedDefinitions(const DesignDocument& document) {
    Selection selection;
    for (const auto& item : document)
        if (item->Selected)
            selection.push_back(item.get());
    return selection;
}

bool SameDefinition(const TWindowItem& a, const TWindowItem& b) {
    return a.Name == b.Name && a.Left == b.Left && a.Top == b.Top && a.Right == b.Right &&
           a.Bottom == b.Bottom;
}

void ApplySelection(DesignDocument& document, const Selection& selection) {
    document.SetAllSelected(false);
    for (TWindowItem* item : selection)
        item->Selected = true;
}

EditStep::EditStep(DesignDocument& document, const QString& name, Selection before, Selection after,
                   bool applied)
    : document_(document), before_(std::move(before)), sameSelection_(before_ == after),
      skipRedo_(applied) {
    if (!sameSelection_)
        after_ = std::move(after);
    setText(name);
}

void EditStep::undo() {
    Revert();
    ApplySelection(document_, before_);
}

void EditStep::redo() {
    if (std::exchange(skipRedo_, false))
        return;
    Apply();
    ApplySelection(document_, sameSelection_ ? before_ : after_);
}

} // namespace volmar
