#include "settings/SettingsFolder.h"

#include <QStandardPaths>

namespace volmar {

QString UserConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace volmar
