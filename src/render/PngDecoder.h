#pragma once

#include <QImage>

#include <cstddef>

namespace volmar {

// Decodes a PNG held in memory and draws it onto white: the result is a
// QImage::Format_RGB32 picture of the PNG's own size in which every kind of
// transparency has been flattened and a gAMA correction applied. Failures are
// raised as VolmarError with the message the user sees.
QImage DecodePngOntoWhite(const uchar* data, size_t size);

// The same drawn onto the opaque colour background instead of white.
QImage DecodePngOnto(const uchar* data, size_t size, QRgb background);

// The picture with its transparency kept: a QImage::Format_ARGB32 picture of
// straight alpha (a transparent key colour has alpha 0), gamma applied to the
// colours only. Drawn onto white pixel by pixel it gives DecodePngOntoWhite's
// picture exactly.
QImage DecodePngWithAlpha(const uchar* data, size_t size);

// Pictures whose pixels would take more than this many bytes are refused
// before any of them is allocated.
inline constexpr qint64 kMaxPictureBytes = qint64(256) * 1024 * 1024;

} // namespace volmar
