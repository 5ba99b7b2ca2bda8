#pragma once

#include <QtGlobal>

#include <cstddef>

namespace volmar {

// The Adler-32 checksum of zlib streams, continued over `length` more bytes
// (start with 1). Vector code where the processor has SSSE3, zlib's otherwise.
quint32 Adler32(quint32 adler, const uchar* data, size_t length);

} // namespace volmar
