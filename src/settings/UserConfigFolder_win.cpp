#include "settings/SettingsFolder.h"

#include <QDir>

#include <shlobj.h>
#include <windows.h>

namespace volmar {

// The roaming application-data folder. %APPDATA% names it for this process
// and its children (and lets tests put it elsewhere); the shell is asked when
// the variable is missing.
QString UserConfigFolder() {
    const QString roaming = qEnvironmentVariable("APPDATA");
    if (!roaming.isEmpty())
        return QDir::fromNativeSeparators(roaming);
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return QDir::fromNativeSeparators(QString::fromWCharArray(path));
    return QDir::homePath() + QStringLiteral("/AppData/Roaming");
}

} // namespace volmar
