#pragma once

#include <QFileDialog>

namespace volmar {

// The open and save dialogs of project files. A bare name gets ".rsform";
// neither insists on an existing file and saving does not ask before
// replacing one.
class ProjectFileDialog : public QFileDialog {
    Q_OBJECT
public:
    ProjectFileDialog(QWidget* parent, QFileDialog::AcceptMode mode);

    static QString Filter() { return QStringLiteral("VOLMARフォーム(*.rsform)"); }
    static QString Suffix() { return QStringLiteral("rsform"); }
};

} // namespace volmar
