#pragma once

#include <QImage>
#include <QString>

namespace volmar {

// Loads a window skin as the skin image: an opaque QImage::Format_RGB32
// picture of the file's own size with its transparency flattened onto white.
// An empty path, or one that names no file, gives the built-in skin. The
// extension chooses the decoder ("png", in any case). Failures are raised as
// VolmarError with the message the user sees.
QImage LoadSkin(const QString& path);

// The bytes of the PNG file at path, for the decoder. A file that cannot be
// opened raises "ファイル "..." は開けません。..." as VolmarError.
QByteArray ReadPngFile(const QString& path);

// The skin built into the program: 192 by 128 pixels.
QImage LoadBuiltInSkin();

// Decodes a PNG stored as a Qt resource, as the built-in skin is.
QImage LoadPngResource(const QString& resourcePath);

} // namespace volmar
