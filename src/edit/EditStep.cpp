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

// Announces a change only when the selection ends up different.
void ApplySelection(DesignDocument& document, const Selection& selection) {
    if (SelectedDefinitions(document) == selection)
        return;
    ChangeNotifier::Batch batch(document.Notices());
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
    ChangeNotifier::Batch batch(document_.Notices());
    Revert();
    ApplySelection(document_, before_);
}

void EditStep::redo() {
    if (std::exchange(skipRedo_, false))
        return;
    ChangeNotifier::Batch batch(document_.Notices());
    Apply();
    ApplySelection(document_, sameSelection_ ? before_ : after_);
}

} // namespace volmar
