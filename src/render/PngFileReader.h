#pragma once

#include <QByteArray>
#include <QIODevice>

namespace volmar {

// The most a PNG file may hold: what the largest picture the decoder accepts
// (kMaxPictureBytes at 4 bytes a pixel) can need at 16-bit RGBA, 8 bytes a
// pixel, with a quarter more for filter bytes, the compressed stream's own
// framing, the chunks' framing and ancillary chunks.
inline constexpr qint64 kMaxPngFileBytes = qint64(640) * 1024 * 1024;

// The bytes of the PNG at the device's position, read no further than the
// end of its IEND chunk: whatever follows is never read. A file larger than
// maxBytes is refused with the out-of-resources message before anything is
// read; a stream is read no further than maxBytes. A device that ends early,
// or bytes that are no PNG signature, end the reading there: the decoder
// reports them.
QByteArray ReadPngBytes(QIODevice& device, qint64 maxBytes = kMaxPngFileBytes);

} // namespace volmar
