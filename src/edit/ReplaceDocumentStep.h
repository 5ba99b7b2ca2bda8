#pragma once

#include "document/RuntimeTarget.h"
#include "edit/EditStep.h"

#include <QString>

#include <functional>
#include <memory>

namespace volmar {

// The current project: its file, the path the status bar shows for it, and
// the runtime it is made for.
struct ProjectName {
    QString FileName;
    QString StatusText;
    RuntimeTarget Target;

    friend bool operator==(const ProjectName&, const ProjectName&) = default;
};

// How a step reaches the project name held by the main window.
struct ProjectAccess {
    std::function<ProjectName()> Current;
    std::function<void(const ProjectName&)> Set;
};

// The whole document and the project name replaced: New and Open. The step
// holds the list and the name of the side that is not in force.
class ReplaceDocumentStep final : public EditStep {
public:
    // A step that puts items and project in place of the current ones; none
    // when both are the same as what is there (names and edges compared).
    // Nothing is selected afterwards.
    static std::unique_ptr<ReplaceDocumentStep>
    Replacing(DesignDocument& document, ProjectAccess& access, const QString& name,
              DesignDocument::Items items, ProjectName project);

private:
    ReplaceDocumentStep(DesignDocument& document, ProjectAccess& access, const QString& name,
                        DesignDocument::Items items, ProjectName project);
    void Apply() override { SwapDocument(); }
    void Revert() override { SwapDocument(); }
    void SwapDocument();

    ProjectAccess& access_;
    DesignDocument::Items other_;
    ProjectName otherProject_;
};

} // namespace volmar
