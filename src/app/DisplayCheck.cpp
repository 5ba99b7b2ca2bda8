#include "app/DisplayCheck.h"

#include <QByteArrayList>
#include <QFileInfo>
#include <QtGlobal>

namespace volmar {

bool NamesPlatformWithoutDisplay(const QByteArray& platforms) {
    static const QByteArrayList kWithoutDisplay = {"offscreen", "minimal", "minimalegl",  "vnc",
                                                   "eglfs",     "linuxfb", "vkkhrdisplay"};
    for (const QByteArray& platform : platforms.split(';'))
        if (kWithoutDisplay.contains(platform.split(':').first().trimmed()))
            return true;
    return false;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

QString MissingDisplayText(const QString& program) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        NamesPlatformWithoutDisplay(qgetenv("QT_QPA_PLATFORM")))
        return {};
    return QStringLiteral("%1: no display (DISPLAY and WAYLAND_DISPLAY are unset); run it on a "
                          "virtual X server: xvfb-run -a %2 (the package xvfb installs xvfb-run)\n")
        .arg(QFileInfo(program).fileName(), program);
}

#else

QString MissingDisplayText(const QString&) {
    return {};
}

#endif

} // namespace volmar
