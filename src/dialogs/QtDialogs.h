#pragma once

#include "dialogs/Dialogs.h"

namespace volmar {

// The editor's real dialogs: Qt's message boxes, file and colour dialogs and
// the program's own name prompt, each shown modally.
class QtDialogs : public Dialogs {
public:
    QString AskWindowName(QWidget* parent) override;
    bool Confirm(QWidget* parent, const QString& caption, const QString& text) override;
    void ShowError(QWidget* parent, const QString& message) override;
    void Inform(QWidget* parent, const QString& text) override;
    std::optional<QString> OpenProjectPath(QWidget* parent) override;
    std::optional<QString> SaveProjectPath(QWidget* parent) override;
    std::optional<QString> OpenPicturePath(QWidget* parent) override;
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
    int Exec(QDialog& dialog) override;
    void OpenUrl(const QString& url) override;
};

} // namespace volmar
