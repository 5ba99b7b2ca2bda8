#pragma once

#include <QString>
#include <QStringList>

namespace volmar {

// The projects opened or saved last, newest first, kept in setting.ini in a
// section of their own ("[RecentFiles]", keys "File0" to "File7").
inline constexpr qsizetype kRecentFilesMax = 8;

// The list with path in front: an earlier entry of the same path goes, and
// the oldest entries beyond the limit fall off.
QStringList WithRecentFile(QStringList recent, const QString& path);

// The stored list of the settings file at path; a missing file or section
// reads as empty. Repeated and surplus entries are dropped.
QStringList ReadRecentFiles(const QString& settingsPath);

// Replaces the stored list, keeping everything else in the file. A path that
// would not read back as itself (characters code page 932 cannot hold, line
// breaks, blanks at its ends) is left out. Throws VolmarError when the file
// cannot be written.
void SaveRecentFiles(const QString& settingsPath, const QStringList& recent);

} // namespace volmar
