#pragma once

#include "edit/EditStep.h"

#include <memory>

namespace volmar {

// The name and edges of one definition changed: the property dialog's OK.
class DefinitionStep final : public EditStep {
public:
    // A step that gives item the name and edges of edited; none when they
    // are the same already.
    static std::unique_ptr<DefinitionStep> Changing(DesignDocument& document, const QString& name,
                                                    TWindowItem* item, const TWindowItem& edited,
                                                    Selection selection);

private:
    DefinitionStep(DesignDocument& document, const QString& name, TWindowItem* item,
                   const TWindowItem& edited, Selection selection);
    void Apply() override { SwapFields(); }
    void Revert() override { SwapFields(); }
    void SwapFields();

    TWindowItem* item_;
    TWindowItem other_; // the name and edges not in the document
};

} // namespace volmar
