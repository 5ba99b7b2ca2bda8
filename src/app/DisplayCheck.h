#pragma once

#include <QByteArray>
#include <QString>

namespace volmar {

// The one line the editor prints on standard error, before it ends with exit
// status 1, when it is started where it can open no window: on X11 and
// Wayland systems with neither DISPLAY nor WAYLAND_DISPLAY set, unless
// QT_QPA_PLATFORM names a platform that needs no display (offscreen, vnc,
// ...). Empty where a window can be opened, and always on Windows and macOS.
// program is the command as it was typed, for the line to repeat.
QString MissingDisplayText(const QString& program);

// Whether QT_QPA_PLATFORM's value (platform names separated by ";", each
// perhaps with ":options", tried in turn) names one that needs no display.
bool NamesPlatformWithoutDisplay(const QByteArray& platforms);

} // namespace volmar
