#pragma once

#include "dialogs/Dialogs.h"

#include <QDialog>

#include <optional>

namespace volmar::bench {

// Answers every question with its cancel answer; nothing is ever shown.
// The project to open may be named beforehand.
class SilentDialogs : public volmar::Dialogs {
public:
    std::optional<QString> projectToOpen;

    QString AskWindowName(QWidget*) override { return {}; }
    bool Confirm(QWidget*, const QString&, const QString&) override { return true; }
    void ShowError(QWidget*, const QString&) override {}
    void Inform(QWidget*, const QString&) override {}
    std::optional<QString> OpenProjectPath(QWidget*) override { return projectToOpen; }
    std::optional<QString> SaveProjectPath(QWidget*) override { return {}; }
    std::optional<QString> OpenPicturePath(QWidget*) override { return {}; }
    std::optional<QColor> ChooseColor(QWidget*, const QColor&) override { return {}; }
    int Exec(QDialog&) override { return QDialog::Rejected; }
    void OpenUrl(const QString&) override {}
};

} // namespace volmar::bench
