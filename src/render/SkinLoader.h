#pragma once

#include "document/RuntimeTarget.h"

#include <QImage>
#include <QString>

namespace volmar {

// Loads a window skin as the skin image: an opaque QImage::Format_RGB32
// picture of the file's own size with its transparency flattened onto white.
// A 128x128 skin, whose layout draws with its alpha, is kept unflattened
// instead, as a QImage::Format_ARGB32 picture (DecodePngWithAlpha).
// An empty path, or one that names no file, gives the built-in skin. The
// extension chooses the decoder ("png", in any case). Failures are raised as
// VolmarError with the message the user sees.
QImage LoadSkin(const QString& path);

// The same, but the built-in skin it falls back to is the runtime's.
QImage LoadSkin(const QString& path, Runtime runtime);

// The bytes of the PNG file at path, for the decoder. A file that cannot be
// opened raises "ファイル "..." は開けません。..." as VolmarError.
QByteArray ReadPngFile(const QString& path);

// The skin built into the program: 192 by 128 pixels.
QImage LoadBuiltInSkin();

// The built-in skin of a runtime: the one above for RGSS1; for RGSS2 and
// RGSS3 its 128x128 twin, with its alpha kept.
QImage LoadBuiltInSkin(Runtime runtime);

// Decodes a PNG stored as a Qt resource, as the built-in skin is; a 128x128
// picture keeps its alpha as LoadSkin's do.
QImage LoadPngResource(const QString& resourcePath);

} // namespace volmar
