#include "render/PngHeader.h"

#include "render/PngErrors.h"

namespace volmar {

namespace {

constexpr quint32 kMaxSide = 65535;
constexpr size_t kHeaderLength = 13;

bool IsValidDepth(int colourType, int bitDepth) {
    switch (colourType) {
    case PngGrey:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case PngPalette:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case PngRgb:
    case PngGreyAlpha:
    case PngRgba:
        return bitDepth == 8 || bitDepth == 16;
    }
    return false;
}

} // namespace

int PngHeader::Channels() const {
    switch (colourType) {
    case PngRgb:
        return 3;
    case PngGreyAlpha:
        return 2;
    case PngRgba:
        return 4;
    }
    return 1;
}

PngHeader ParsePngHeader(const PngChunk& ihdr) {
    if (ihdr.length < kHeaderLength)
        ThrowPngFault(PngFault::IhdrCorrupt);
    const uchar* d = ihdr.data;
    PngHeader header;
    header.width = ReadBigEndian32(d);
    header.height = ReadBigEndian32(d + 4);
    header.bitDepth = d[8];
    header.colourType = d[9];
    const int compression = d[10];
    const int filter = d[11];
    const int interlace = d[12];
    if (header.width > kMaxSide || header.height > kMaxSide)
        ThrowPngFault(PngFault::SizeTooLarge);
    if (header.width == 0 || header.height == 0 ||
        !IsValidDepth(header.colourType, header.bitDepth))
        ThrowPngFault(PngFault::IhdrCorrupt);
    if (compression != 0 || filter != 0)
        ThrowPngFault(PngFault::UnknownCompression);
    if (interlace != 0 && interlace != 1)
        ThrowPngFault(PngFault::UnknownInterlace);
    header.interlaced = interlace == 1;
    return header;
}

PngPasses PngPassesOf(const PngHeader& header) {
    static constexpr quint32 kAdam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                             {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    PngPasses passes;
    if (!header.interlaced) {
        passes.pass[0] = {0, 0, 1, 1, header.width, header.height};
        passes.count = 1;
        return passes;
    }
    for (const auto& a : kAdam7) {
        PngPass p{a[0], a[1], a[2], a[3], 0, 0};
        if (header.width > p.x0)
            p.width = (header.width - p.x0 + p.dx - 1) / p.dx;
        if (header.height > p.y0)
            p.height = (header.height - p.y0 + p.dy - 1) / p.dy;
        passes.pass[passes.count++] = p;
    }
    return passes;
}

} // namespace volmar
