// Project commands: New, Open, Save As and Save.
#include "app/MainForm.h"

#include "app/DisplayPath.h"
#include "dialogs/Dialogs.h"
#include "document/ProjectFile.h"
#include "document/VolmarError.h"
#include "edit/StepNames.h"

#include <QFileInfo>
#include <QLabel>

void TMainForm::aacNewProjectExecute() {
    if (!dialogs_.Confirm(
            this, QStringLiteral("新規プロジェクト"),
            QStringLiteral("プロジェクトを初期化します。\r\n"
                           "現在のプロジェクトは破棄されますが本当によろしいですか？")))
        return;
    ReplaceDocument({}, volmar::ProjectName{{}, {}, document_.Target()}, volmar::kStepNewProject);
}

// A path typed into the dialog that names no existing file does nothing.
void TMainForm::aacOpenProjectExecute() {
    const std::optional<QString> path = dialogs_.OpenProjectPath(this);
    if (!path || !QFileInfo::exists(*path))
        return;
    OpenProject(*path);
}

// A file that cannot be read leaves an empty document without a current
// file, as if the document had been cleared before reading; that too is a
// step, so undo brings the old document back.
void TMainForm::OpenProject(const QString& path) {
    volmar::DesignDocument::Items items;
    volmar::ProjectContents contents;
    try {
        contents = volmar::ReadProjectText(volmar::ReadProjectFileBytes(path));
        for (const TWindowItem& item : contents.Items)
            items.push_back(std::make_unique<TWindowItem>(item));
    } catch (const volmar::VolmarError&) {
        ReplaceDocument({}, volmar::ProjectName{{}, {}, document_.Target()},
                        volmar::kStepOpenProject);
        throw;
    }
    ReplaceDocument(std::move(items),
                    volmar::ProjectName{path, volmar::DisplayPath(StatusPanels[0]->font(), path),
                                        contents.Target},
                    volmar::kStepOpenProject);
    ShowNotice(contents.TargetProblem.value_or(QString()));
    RememberProject(path);
}

// New and Open: the whole document and the project name in one step. When
// they are the same as before, no step is made, but the selection still goes.
void TMainForm::ReplaceDocument(volmar::DesignDocument::Items items, volmar::ProjectName project,
                                QStringView name) {
    ShowNotice(QString()); // a note on the file replaced goes with it
    std::unique_ptr<volmar::ReplaceDocumentStep> step = volmar::ReplaceDocumentStep::Replacing(
        document_, project_, name.toString(), std::move(items), std::move(project));
    if (step)
        PushStep(std::move(step));
    else
        SetAllSelected(false);
}

// The current file name and the status bar's path change only once the file
// has been written.
void TMainForm::aacSaveAsProjectExecute() {
    const std::optional<QString> path = dialogs_.SaveProjectPath(this);
    if (!path)
        return;
    volmar::SaveProjectFile(document_, *path);
    project_.Set(volmar::ProjectName{*path, volmar::DisplayPath(StatusPanels[0]->font(), *path),
                                     document_.Target()});
    RememberProject(*path);
}

void TMainForm::aacSaveProjectExecute() {
    if (!currentFileName_.isEmpty() && QFileInfo(currentFileName_).isFile())
        volmar::SaveProjectFile(document_, currentFileName_);
    else
        aacSaveAsProjectExecute();
}
