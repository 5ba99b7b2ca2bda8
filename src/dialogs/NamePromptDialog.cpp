#include "dialogs/NamePromptDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace volmar {

QString NamePromptDialog::PromptText() {
    return QStringLiteral("このウインドウの名前を指定してください。\r\n"
                          "ここで指定した名前がウインドウごとに対応する変数名になります。");
}

NamePromptDialog::NamePromptDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NamePrompt"));
    setWindowTitle(QStringLiteral("名前"));

    // A label breaks lines at LF; the CR of the prompt's line break is not shown.
    auto* prompt = new QLabel(PromptText().remove(QLatin1Char('\r')), this);
    prompt->setObjectName(QStringLiteral("PromptLabel"));

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("NameEdit"));
    edit_->setMaxLength(kMaxNameLength);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

QString NamePromptDialog::Name() const {
    return result() == QDialog::Accepted ? edit_->text() : QString();
}

} // namespace volmar
