#pragma once

#include <QDialog>

class QTextBrowser;
class QUrl;

namespace volmar {

class Dialogs;

// The help viewer: a window of its own, owned by the main window and not
// modal, showing the help file. Links inside the file move within it; web
// addresses open in the user's browser.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    HelpWindow(Dialogs& dialogs, QWidget* owner);

    // Loads the file, shows it at its table of contents and brings the window
    // to the front.
    void ShowContents(const QString& helpFile);

    QTextBrowser& Browser() const { return *browser_; }

private:
    void OnAnchorClicked(const QUrl& url);

    Dialogs& dialogs_;
    QTextBrowser* browser_;
};

// aacHelp: shows the help file in the owner's help window, creating the
// window on first use. Does nothing while the file is missing.
void ShowHelp(Dialogs& dialogs, QWidget& owner, const QString& helpFile);

} // namespace volmar
