#pragma once

#include "edit/EditStep.h"

#include <memory>
#include <vector>

namespace volmar {

// Definitions added to or removed from the list. The step holds the
// definitions while they are out of the list, and their places in it.
class ListStep final : public EditStep {
public:
    // New definitions appended in front of all others, in their order.
    static std::unique_ptr<ListStep> Appending(DesignDocument& document, const QString& name,
                                               DesignDocument::Items items, Selection before,
                                               Selection after);
    // The definitions at the given ascending indices taken out of the list.
    static std::unique_ptr<ListStep> Removing(DesignDocument& document, const QString& name,
                                              std::vector<int> ascending, Selection before,
                                              Selection after);

private:
    ListStep(DesignDocument& document, const QString& name, std::vector<int> ascending,
             DesignDocument::Items held, bool adding, Selection before, Selection after);
    void Apply() override;
    void Revert() override;
    void PutBack();
    void TakeOut();

    std::vector<int> indices_;
    DesignDocument::Items held_;
    bool adding_;
};

// Two entries of the list swapped: the z-order commands.
class ReorderStep final : public EditStep {
public:
    ReorderStep(DesignDocument& document, const QString& name, int i, int j, Selection selection);

private:
    void Apply() override { document_.Swap(i_, j_); }
    void Revert() override { document_.Swap(i_, j_); }

    int i_;
    int j_;
};

} // namespace volmar
