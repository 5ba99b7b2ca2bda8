#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace volmar {

// Every modal interaction of the editor goes through this interface, owned by
// the main window. The editor uses QtDialogs; tests install a scripted one so
// that nothing ever blocks on a modal loop.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The name prompt of a new window. Cancel returns the empty text.
    virtual QString AskWindowName(QWidget* parent) = 0;
    // A warning box with "OK" and "キャンセル"; true for OK.
    virtual bool Confirm(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The standard error box: title "VOLMAR", stop icon, OK. The message is
    // given as raised; the box applies the full-stop rule itself.
    virtual void ShowError(QWidget* parent, const QString& message) = 0;
    // An information box: title "VOLMAR", information icon, OK.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // File dialogs; no value when the user cancels.
    virtual std::optional<QString> OpenProjectPath(QWidget* parent) = 0;
    virtual std::optional<QString> SaveProjectPath(QWidget* parent) = 0;
    virtual std::optional<QString> OpenPicturePath(QWidget* parent) = 0;
    virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
    // Shows one of the program's own forms modally; returns QDialog::exec()'s result.
    virtual int Exec(QDialog& dialog) = 0;
    // Opens a web address in the user's browser.
    virtual void OpenUrl(const QString& url) = 0;
};

// Runs one command; a failure it raises ends it and is shown in the standard
// error box. No exception leaves this function.
void RunGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& command);

} // namespace volmar
