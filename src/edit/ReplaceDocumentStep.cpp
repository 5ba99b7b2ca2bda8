#include "edit/ReplaceDocumentStep.h"

#include <utility>

namespace volmar {

namespace {

bool SameDefinitions(const DesignDocument& document, const DesignDocument::Items& items) {
    if (document.Count() != int(items.size()))
        return false;
    for (size_t i = 0; i < items.size(); ++i)
        if (!SameDefinition(*document.At(int(i)), *items[i]))
            return false;
    return true;
}

} // namespace

std::unique_ptr<ReplaceDocumentStep>
ReplaceDocumentStep::Replacing(DesignDocument& document, ProjectAccess& access, const QString& name,
                               DesignDocument::Items items, ProjectName project) {
    if (access.Current() == project && SameDefinitions(document, items))
        return nullptr;
    return std::unique_ptr<ReplaceDocumentStep>(
        new ReplaceDocumentStep(document, access, name, std::move(items), std::move(project)));
}

ReplaceDocumentStep::ReplaceDocumentStep(DesignDocument& document, ProjectAccess& access,
                                         const QString& name, DesignDocument::Items items,
                                         ProjectName project)
    : EditStep(document, name, SelectedDefinitions(document), {}, false), access_(access),
      other_(std::move(items)), otherProject_(std::move(project)) {}

void ReplaceDocumentStep::SwapDocument() {
    document_.SwapItems(other_);
    ProjectName current = access_.Current();
    access_.Set(otherProject_);
    otherProject_ = std::move(current);
}

} // namespace volmar
