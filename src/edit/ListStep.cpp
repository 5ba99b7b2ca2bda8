#include "edit/ListStep.h"

#include <utility>

namespace volmar {

std::unique_ptr<ListStep> ListStep::Appending(DesignDocument& document, const QString& name,
                                              DesignDocument::Items items, Selection before,
                                              Selection after) {
    std::vector<int> indices;
    indices.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        indices.push_back(document.Count() + int(i));
    return std::unique_ptr<ListStep>(new ListStep(document, name, std::move(indices),
                                                  std::move(items), true, std::move(before),
                                                  std::move(after)));
}

std::unique_ptr<ListStep> ListStep::Removing(DesignDocument& document, const QString& name,
                                             std::vector<int> ascending, Selection before,
                                             Selection after) {
    return std::unique_ptr<ListStep>(new ListStep(document, name, std::move(ascending), {}, false,
                                                  std::move(before), std::move(after)));
}

ListStep::ListStep(DesignDocument& document, const QString& name, std::vector<int> ascending,
                   DesignDocument::Items held, bool adding, Selection before, Selection after)
    : EditStep(document, name, std::move(before), std::move(after), false),
      indices_(std::move(ascending)), held_(std::move(held)), adding_(adding) {}

void ListStep::Apply() {
    if (adding_)
        PutBack();
    else
        TakeOut();
}

void ListStep::Revert() {
    if (adding_)
        TakeOut();
    else
        PutBack();
}

void ListStep::PutBack() {
    document_.Insert(indices_, std::move(held_));
    held_.clear();
}

void ListStep::TakeOut() {
    held_ = document_.Take(indices_);
}

ReorderStep::ReorderStep(DesignDocument& document, const QString& name, int i, int j,
                         Selection selection)
    : EditStep(document, name, selection, selection, false), i_(i), j_(j) {}

} // namespace volmar
