#include "dialogs/ProjectFileDialog.h"

namespace volmar {

ProjectFileDialog::ProjectFileDialog(QWidget* parent, QFileDialog::AcceptMode mode)
    : QFileDialog(parent) {
    setObjectName(mode == QFileDialog::AcceptSave ? QStringLiteral("SaveDialog")
                                                  : QStringLiteral("OpenDialog"));
    setAcceptMode(mode);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontConfirmOverwrite, true);
    setNameFilter(Filter());
    setDefaultSuffix(Suffix());
}

} // namespace volmar
