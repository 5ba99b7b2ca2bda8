#pragma once

#include <QMessageBox>

#include <memory>

namespace volmar {

// The confirmation box: warning icon, "OK" (default) and "キャンセル" (Escape).
std::unique_ptr<QMessageBox> MakeConfirmBox(QWidget* parent, const QString& caption,
                                            const QString& text);
// The standard error box: title "VOLMAR", stop icon, "OK", and the message
// with the full-stop rule applied.
std::unique_ptr<QMessageBox> MakeErrorBox(QWidget* parent, const QString& message);
// An information box: title "VOLMAR", information icon, "OK".
std::unique_ptr<QMessageBox> MakeInformationBox(QWidget* parent, const QString& text);

// Messages may carry CR LF line breaks; a label breaks lines at LF alone.
QString DisplayText(QString text);

} // namespace volmar
