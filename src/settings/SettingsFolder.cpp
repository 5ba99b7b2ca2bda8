#include "settings/SettingsFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace volmar {

namespace {

QString UserConfigFolder() {
#ifdef Q_OS_WIN
    const QString roaming = qEnvironmentVariable("APPDATA");
    if (!roaming.isEmpty())
        return QDir::fromNativeSeparators(roaming);
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace

QString SettingsFolder() {
    const QString folder = UserConfigFolder() + QStringLiteral("/kestrel/volmar");
    QDir().mkpath(folder);
    return folder;
}

QString SettingsFilePath() {
    return SettingsFolder() + QStringLiteral("/setting.ini");
}

} // namespace volmar
