#include "edit/DefinitionStep.h"

#include <utility>

namespace volmar {

std::unique_ptr<DefinitionStep> DefinitionStep::Changing(DesignDocument& document,
                                                         const QString& name, TWindowItem* item,
                                                         const TWindowItem& edited,
                                                         Selection selection) {
    if (SameDefinition(*item, edited))
        return nullptr;
    return std::unique_ptr<DefinitionStep>(
        new DefinitionStep(document, name, item, edited, std::move(selection)));
}

DefinitionStep::DefinitionStep(DesignDocument& document, const QString& name, TWindowItem* item,
                               const TWindowItem& edited, Selection selection)
    : EditStep(document, name, selection, selection, false), item_(item), other_(edited) {}

void DefinitionStep::SwapFields() {
    std::swap(item_->Name, other_.Name);
    std::swap(item_->Left, other_.Left);
    std::swap(item_->Top, other_.Top);
    std::swap(item_->Right, other_.Right);
    std::swap(item_->Bottom, other_.Bottom);
    document_.Notify(DocumentChanges{.Bounds = true, .Names = true});
}

} // namespace volmar
