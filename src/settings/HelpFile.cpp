#include "settings/HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace volmar {

QString HelpFilePath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("VOLMAR.html"));
}

bool HelpCommandEnabled(const QString& programFolder) {
    return QFileInfo(HelpFilePath(programFolder)).isFile();
}

} // namespace volmar
