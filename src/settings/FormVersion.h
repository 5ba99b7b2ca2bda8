#pragma once

#include <QDialog>

namespace volmar {
class Dialogs;
} // namespace volmar

// The about box: the program title, its version and the credit lines.
class TVersionForm : public QDialog {
    Q_OBJECT

public:
    explicit TVersionForm(volmar::Dialogs& dialogs, QWidget* parent = nullptr);

    // Shared by both link labels: opens the clicked label's own caption.
    void hompegelabelClick(QObject* sender);

private:
    void CreateTitle();
    void CreateCredits();

    volmar::Dialogs& dialogs_;
};
