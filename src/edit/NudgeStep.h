#pragma once

#include "edit/BoundsStep.h"

namespace volmar {

// The keyboard nudges of one selection, merged into one step: a nudge joins
// the step on top of the history while both belong to the same unbroken run
// of arrow keys (chain) and move the same definitions. A run that ends where
// it began leaves no step.
class NudgeStep final : public BoundsStep {
public:
    // As BoundsStep::FromApplied; the selection is the nudged definitions.
    static std::unique_ptr<NudgeStep>
    FromApplied(DesignDocument& document, const std::vector<BoundsChange>& changes, quint64 chain);

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    NudgeStep(DesignDocument& document, const QString& name, std::vector<Entry> entries,
              Selection selection, quint64 chain);

    quint64 chain_;
};

} // namespace volmar
