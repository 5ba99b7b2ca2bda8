#include "render/PngErrors.h"

#include "document/CommandFailure.h"
#include "document/VolmarError.h"

#include <zlib.h>

namespace volmar {

QString PngFaultMessage(PngFault fault) {
    switch (fault) {
    case PngFault::InvalidHeader:
        return QStringLiteral("The file being readed is not a valid \"Portable Network Graphics\" "
                              "image because it contains an invalid header. This file may be "
                              "corruped, try obtaining it again.");
    case PngFault::UnexpectedEnd:
        return QStringLiteral("This \"Portable Network Graphics\" image is invalid because the "
                              "decoder found an unexpected end of the file.");
    case PngFault::IhdrNotFirst:
        return QStringLiteral("This \"Portable Network Graphics\" image is not supported or it "
                              "might be invalid.\r\n(IHDR chunk is not the first)");
    case PngFault::Crc:
        return QStringLiteral("This \"Portable Network Graphics\" image is not valid because it "
                              "contains invalid pieces of data (crc error)");
    case PngFault::IhdrCorrupt:
        return QStringLiteral("The \"Portable Network Graphics\" image could not be loaded because "
                              "one of its main piece of data (ihdr) might be corrupted");
    case PngFault::SizeTooLarge:
        return QStringLiteral("This \"Portable Network Graphics\" image is not supported because "
                              "either it's width or height exceeds the maximum size, which is "
                              "65535 pixels length.");
    case PngFault::UnknownCompression:
        return QStringLiteral("This \"Portable Network Graphics\" image is encoded with an unknown "
                              "compression scheme which could not be decoded.");
    case PngFault::UnknownInterlace:
        return QStringLiteral("This \"Portable Network Graphics\" image uses an unknown interlace "
                              "scheme which could not be decoded.");
    case PngFault::InvalidPalette:
        return QStringLiteral(
            "The \"Portable Network Graphics\" image contains an invalid palette.");
    case PngFault::UnknownCritical:
        return QStringLiteral("This \"Portable Network Graphics\" image contains an unknown "
                              "critical part which could not be decoded.");
    case PngFault::MissingParts:
        return QStringLiteral("This \"Portable Network Graphics\" image is invalid because it has "
                              "missing image parts.");
    case PngFault::NoData:
        return QStringLiteral("This \"Portable Network Graphics\" image contains no data.");
    case PngFault::OutOfResources:
        return OutOfResourcesMessage();
    }
    return {};
}

QString ZlibCodeText(int code) {
    switch (code) {
    case Z_NEED_DICT:
        return QStringLiteral("need dictionary (2)");
    case Z_STREAM_END:
        return QStringLiteral("stream end (1)");
    case Z_OK:
        return QStringLiteral("(0)");
    case Z_ERRNO:
        return QStringLiteral("file error (-1)");
    case Z_STREAM_ERROR:
        return QStringLiteral("stream error (-2)");
    case Z_DATA_ERROR:
        return QStringLiteral("data error (-3)");
    case Z_MEM_ERROR:
        return QStringLiteral("insufficient memory (-4)");
    case Z_BUF_ERROR:
        return QStringLiteral("buffer error (-5)");
    case Z_VERSION_ERROR:
        return QStringLiteral("incompatible version (-6)");
    }
    return QStringLiteral("(%1)").arg(code);
}

void ThrowPngFault(PngFault fault) {
    throw VolmarError(PngFaultMessage(fault));
}

void ThrowZlibFault(int code) {
    throw VolmarError(QStringLiteral("Could not decompress the image because it contains invalid "
                                     "compressed data.\r\n Description: ") +
                      ZlibCodeText(code));
}

} // namespace volmar
