#include "settings/SettingsFolder.h"

#include <QDir>

namespace volmar {

QString SettingsFolder() {
    const QString folder = UserConfigFolder() + QStringLiteral("/kestrel/volmar");
    QDir().mkpath(folder);
    return folder;
}

QString SettingsFilePath() {
    return SettingsFolder() + QStringLiteral("/setting.ini");
}

} // namespace volmar
