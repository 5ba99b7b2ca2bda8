#include "cli/CliFonts.h"

#include <QDir>
#include <QtGlobal>

namespace volmar::cli {

// The offscreen plugin reads the fonts of one folder ($QT_QPA_FONTDIR); by
// default that is Windows' own font folder.
void UseSystemFonts() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        return;
    const QString windows = qEnvironmentVariable("WINDIR", QStringLiteral("C:\\Windows"));
    qputenv("QT_QPA_FONTDIR",
            QDir::toNativeSeparators(windows + QStringLiteral("/Fonts")).toLocal8Bit());
}

} // namespace volmar::cli
