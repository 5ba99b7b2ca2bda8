#pragma once

#include <QByteArray>
#include <QString>

namespace volmar {

// Replaces the file at path with bytes through a temporary file beside it:
// afterwards either the whole new content is there or the old file is as it
// was. The new file keeps the old one's permission bits, and its owner and
// group where this process may set them. A symbolic link is written through
// and stays a link. Something that is not a regular file (a folder, a device,
// a FIFO, a socket) is refused and left alone. Throws VolmarError
// "ファイル "…" を作成できません。" with the reason.
void ReplaceFileContent(const QString& path, const QByteArray& bytes);

// The path as messages show it: absolute, with the platform's separators.
QString MessagePath(const QString& path);

// The system's own words for a folder where a file was expected.
QString IsAFolderReason();

} // namespace volmar
