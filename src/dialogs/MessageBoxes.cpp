#include "dialogs/MessageBoxes.h"

#include "document/VolmarError.h"

#include <QPushButton>

namespace volmar {

QString DisplayText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::unique_ptr<QMessageBox> MakeConfirmBox(QWidget* parent, const QString& caption,
                                            const QString& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, caption, DisplayText(text),
                                             QMessageBox::NoButton, parent);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(cancel);
    return box;
}

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& message) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("VOLMAR"),
                                             DisplayText(StandardErrorText(message)),
                                             QMessageBox::NoButton, parent);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    return box;
}

} // namespace volmar
