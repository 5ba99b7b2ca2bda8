#pragma once

#include <QFont>
#include <QString>

namespace volmar {

// A project path as the status bar and the recent-projects menu show it: in
// the platform's separators, shortened to 430 pixels in the given font.
QString DisplayPath(const QFont& font, const QString& path);

} // namespace volmar
