#pragma once

#include <QString>

namespace volmar {

// The faults a PNG file can have, each with the one message the user sees.
enum class PngFault {
    InvalidHeader,      // the eight signature bytes are wrong
    UnexpectedEnd,      // the file ends before IEND
    IhdrNotFirst,       // the first chunk is not IHDR
    Crc,                // a chunk's CRC does not match
    IhdrCorrupt,        // IHDR too short, or its fields make no picture
    SizeTooLarge,       // width or height above 65535
    UnknownCompression, // compression or filter method other than 0
    UnknownInterlace,   // interlace method other than 0 or 1
    InvalidPalette,     // PLTE or tRNS unusable, or a pixel names a missing palette entry
    UnknownCritical,    // a critical chunk this reader does not know
    MissingParts,       // the image data stops before the last row
    NoData,             // no IDAT before IEND
    OutOfResources,     // the picture is too large to hold
};

QString PngFaultMessage(PngFault fault);

// The text of a zlib return code as it follows "Description: ".
QString ZlibCodeText(int code);

[[noreturn]] void ThrowPngFault(PngFault fault);

// The zlib stream is corrupt: the message names zlib's return code.
[[noreturn]] void ThrowZlibFault(int code);

} // namespace volmar
