// Project commands: New, Open, Save As and Save.
#include "app/MainForm.h"

#include "app/DisplayPath.h"
#include "dialogs/Dialogs.h"
#include "document/FormText.h"
#include "document/ProjectFile.h"

#include <QFileInfo>
#include <QLabel>

void TMainForm::aacNewProjectExecute() {
    if (!dialogs_.Confirm(
            this, QStringLiteral("新規プロジェクト"),
            QStringLiteral("プロジェクトを初期化します。\r\n"
                           "現在のプロジェクトは破棄されますが本当によろしいですか？")))
        return;
    ClearDocument();
    invalidateCanvas();
}

// A path typed into the dialog that names no existing file does nothing.
void TMainForm::aacOpenProjectExecute() {
    const std::optional<QString> path = dialogs_.OpenProjectPath(this);
    if (!path || !QFileInfo::exists(*path))
        return;
    OpenProject(*path);
}

// The document is cleared before the file is read: a file that cannot be
// read leaves an empty document without a current file.
void TMainForm::OpenProject(const QString& path) {
    ClearDocument();
    for (const TWindowItem& item : volmar::ReadDefinitions(volmar::ReadProjectFileBytes(path)))
        document_.Append(item);
    invalidateCanvas();
    currentFileName_ = path;
    setStatusText(0, volmar::DisplayPath(StatusPanels[0]->font(), path));
    RebuildWindowSelector();
    RememberProject(path);
}

// The current file name changes only once the file has been written.
void TMainForm::aacSaveAsProjectExecute() {
    const std::optional<QString> path = dialogs_.SaveProjectPath(this);
    if (!path)
        return;
    volmar::SaveProjectFile(document_, *path);
    currentFileName_ = *path;
    RememberProject(*path);
}

void TMainForm::aacSaveProjectExecute() {
    if (!currentFileName_.isEmpty() && QFileInfo(currentFileName_).isFile())
        volmar::SaveProjectFile(document_, currentFileName_);
    else
        aacSaveAsProjectExecute();
}
