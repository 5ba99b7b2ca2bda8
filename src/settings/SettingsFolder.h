#pragma once

#include <QString>

namespace volmar {

// The per-user folder of setting.ini: "kestrel/volmar" inside the user's
// configuration folder (the roaming application-data folder on Windows).
// Every call creates the folder and any missing parent.
QString SettingsFolder();

// The settings file inside that folder.
QString SettingsFilePath();

// The user's configuration folder, with '/' separators.
QString UserConfigFolder();

} // namespace volmar
