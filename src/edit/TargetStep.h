#pragma once

#include "document/RuntimeTarget.h"
#include "edit/EditStep.h"

#include <memory>

namespace volmar {

// The project's runtime and screen changed; the windows stay as they are.
class TargetStep final : public EditStep {
public:
    // None when the target is the one in force already.
    static std::unique_ptr<TargetStep> Changing(DesignDocument& document, const QString& name,
                                                const RuntimeTarget& target);

private:
    TargetStep(DesignDocument& document, const QString& name, const RuntimeTarget& target);
    void Apply() override { SwapTarget(); }
    void Revert() override { SwapTarget(); }
    void SwapTarget();

    RuntimeTarget other_;
};

} // namespace volmar
