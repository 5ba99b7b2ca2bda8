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

namespace {

// A box of the program's title with one "OK" button, which Escape presses too.
std::unique_ptr<QMessageBox> MakeOkBox(QWidget* parent, QMessageBox::Icon icon,
                                       const QString& text) {
    auto box = std::make_unique<QMessageBox>(icon, QStringLiteral("VOLMAR"), DisplayText(text),
                                             QMessageBox::NoButton, parent);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    return box;
}

} // namespace

std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& message) {
    return MakeOkBox(parent, QMessageBox::Critical, StandardErrorText(message));
}

std::unique_ptr<QMessageBox> MakeInformationBox(QWidget* parent, const QString& text) {
    return MakeOkBox(parent, QMessageBox::Information, text);
}

} // namespace volmar
