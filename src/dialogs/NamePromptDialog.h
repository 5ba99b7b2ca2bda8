#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace volmar {

// The box that asks for the name of a newly drawn window.
class NamePromptDialog : public QDialog {
    Q_OBJECT
public:
    explicit NamePromptDialog(QWidget* parent = nullptr);

    QString Name() const;
    QLineEdit* NameEdit() const { return edit_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    static QString PromptText();
    static constexpr int kMaxNameLength = 255;

private:
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace volmar
