#pragma once

#include <QString>

#include <functional>

namespace volmar {

// Shortens a path for the status bar until textWidth says it is no wider than
// maxWidth: folders are cut from the front and replaced by "...\" one at a
// time, then the drive goes, then the folder part; a path that never fits
// ends as the bare file name. C:\a\b\c\name.rsform becomes in turn
// C:\...\b\c\name.rsform, C:\...\c\name.rsform, C:\...\name.rsform,
// ...\name.rsform and name.rsform. A path without "\" is cut at "/" the same
// way, with ".../" as the ellipsis folder.
QString ShortenPath(const QString& path, int maxWidth,
                    const std::function<int(const QString&)>& textWidth);

} // namespace volmar
