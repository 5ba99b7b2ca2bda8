#pragma once

// The texts a user sees for broken PNG files, written out here character for
// character (their spelling included) so that the tests catch any drift.
// UTF-8 std::string, which GoogleTest prints readably.

#include <string>

namespace volmar::test::png_messages {

inline const std::string kInvalidHeader =
    "The file being readed is not a valid \"Portable Network Graphics\" image because it contains "
    "an invalid header. This file may be corruped, try obtaining it again.";
inline const std::string kUnexpectedEnd =
    "This \"Portable Network Graphics\" image is invalid because the decoder found "
    "an unexpected end of the file.";
inline const std::string kIhdrNotFirst =
    "This \"Portable Network Graphics\" image is not supported or it might be "
    "invalid.\r\n(IHDR chunk is not the first)";
inline const std::string kCrc =
    "This \"Portable Network Graphics\" image is not valid because it contains "
    "invalid pieces of data (crc error)";
inline const std::string kIhdrCorrupt =
    "The \"Portable Network Graphics\" image could not be loaded because one of "
    "its main piece of data (ihdr) might be corrupted";
inline const std::string kTooLarge =
    "This \"Portable Network Graphics\" image is not supported because either it's "
    "width or height exceeds the maximum size, which is 65535 pixels length.";
inline const std::string kUnknownCompression =
    "This \"Portable Network Graphics\" image is encoded with an unknown "
    "compression scheme which could not be decoded.";
inline const std::string kUnknownInterlace =
    "This \"Portable Network Graphics\" image uses an unknown interlace scheme "
    "which could not be decoded.";
inline const std::string kInvalidPalette =
    "The \"Portable Network Graphics\" image contains an invalid palette.";
inline const std::string kUnknownCritical =
    "This \"Portable Network Graphics\" image contains an unknown critical part "
    "which could not be decoded.";
inline const std::string kMissingParts =
    "This \"Portable Network Graphics\" image is invalid because it has missing image parts.";
inline const std::string kNoData = "This \"Portable Network Graphics\" image contains no data.";
inline const std::string kOutOfResources =
    "Some operation could not be performed because the system is out of "
    "resources. Close some windows and try again.";
inline const std::string kNoResource = "The png image could not be loaded from the resource ID.";

inline std::string Zlib(const char* description) {
    return std::string("Could not decompress the image because it contains invalid compressed "
                       "data.\r\n Description: ") +
           description;
}

} // namespace volmar::test::png_messages
