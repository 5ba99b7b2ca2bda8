#include "edit/TargetStep.h"

namespace volmar {

std::unique_ptr<TargetStep> TargetStep::Changing(DesignDocument& document, const QString& name,
                                                 const RuntimeTarget& target) {
    if (document.Target() == target)
        return nullptr;
    return std::unique_ptr<TargetStep>(new TargetStep(document, name, target));
}

TargetStep::TargetStep(DesignDocument& document, const QString& name, const RuntimeTarget& target)
    : EditStep(document, name, SelectedDefinitions(document), SelectedDefinitions(document), false),
      other_(target) {}

void TargetStep::SwapTarget() {
    const RuntimeTarget current = document_.Target();
    document_.SetTarget(other_);
    other_ = current;
}

} // namespace volmar
