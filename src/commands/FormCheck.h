#pragma once

#include "commands/CodeCheck.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// The check dialog: one line per problem of the generated code, in Japanese.
// Double-clicking a line (or Enter on it) closes the dialog with that line's
// window chosen; "閉じる", Escape or the close box close it with none.
class TCheckForm : public QDialog {
    Q_OBJECT

public:
    explicit TCheckForm(QWidget* parent = nullptr);

    void Fill(const std::vector<volmar::CodeProblem>& problems);
    // The document index of the window whose line was picked, or -1.
    int ChosenIndex() const { return chosen_; }

    QListWidget* ProblemList = nullptr;
    QPushButton* CloseButton = nullptr;

private:
    void Choose(QListWidgetItem* item);

    int chosen_ = -1;
};
