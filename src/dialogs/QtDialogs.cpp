#include "dialogs/QtDialogs.h"

#include "dialogs/MessageBoxes.h"
#include "dialogs/NamePromptDialog.h"
#include "dialogs/PictureOpenDialog.h"
#include "dialogs/ProjectFileDialog.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QPushButton>
#include <QUrl>

namespace volmar {

namespace {

std::optional<QString> ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtDialogs::AskWindowName(QWidget* parent) {
    NamePromptDialog dialog(parent);
    dialog.exec();
    return dialog.Name();
}

bool QtDialogs::Confirm(QWidget* parent, const QString& caption, const QString& text) {
    const auto box = MakeConfirmBox(parent, caption, text);
    box->exec();
    return box->clickedButton() == box->defaultButton();
}

void QtDialogs::ShowError(QWidget* parent, const QString& message) {
    MakeErrorBox(parent, message)->exec();
}

void QtDialogs::Inform(QWidget* parent, const QString& text) {
    MakeInformationBox(parent, text)->exec();
}

std::optional<QString> QtDialogs::OpenProjectPath(QWidget* parent) {
    ProjectFileDialog dialog(parent, QFileDialog::AcceptOpen);
    return ChosenFile(dialog);
}

std::optional<QString> QtDialogs::SaveProjectPath(QWidget* parent) {
    ProjectFileDialog dialog(parent, QFileDialog::AcceptSave);
    return ChosenFile(dialog);
}

std::optional<QString> QtDialogs::OpenPicturePath(QWidget* parent) {
    PictureOpenDialog dialog(parent);
    return ChosenFile(dialog);
}

std::optional<QColor> QtDialogs::ChooseColor(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

int QtDialogs::Exec(QDialog& dialog) {
    return dialog.exec();
}

void QtDialogs::OpenUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

} // namespace volmar
