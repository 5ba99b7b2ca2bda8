#include "settings/HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace volmar {

namespace {

const QString kHelpFileName = QStringLiteral("VOLMAR.html");

QString InstalledHelpFilePath(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/doc/volmar/") + kHelpFileName);
}

} // namespace

QString HelpFilePath(const QString& programFolder) {
    const QString beside = QDir(programFolder).filePath(kHelpFileName);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed = InstalledHelpFilePath(programFolder);
    return QFileInfo(installed).isFile() ? installed : beside;
}

bool HelpCommandEnabled(const QString& programFolder) {
    return QFileInfo(HelpFilePath(programFolder)).isFile();
}

} // namespace volmar
