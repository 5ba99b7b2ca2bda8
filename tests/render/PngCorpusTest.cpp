// Pictures of every colour type, bit depth and interlace, written by the
// test's own PNG writer and decoded pixel for pixel as libpng decodes them.

#include "render/PngTestSupport.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <string>

using namespace volmar::test;

namespace {

struct Format {
    int colourType;
    int bitDepth;
};

const Format kFormats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                           {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};

// Samples that sweep each channel's range (low bytes of 16-bit samples
// included) and differ from pixel to pixel.
uint Sample(int x, int y, int c, int bitDepth) {
    const uint mixed = uint(x * 2654435761u ^ y * 40503u ^ c * 977u) >> 7;
    return (mixed + uint(x * 37 + y * 11 + c * 50)) & ((1u << bitDepth) - 1);
}

int PaletteEntries(int bitDepth) {
    return bitDepth == 8 ? 200 : 1 << bitDepth;
}

PngPicture Picture(const Format& f, int width, int height) {
    const int entries = PaletteEntries(f.bitDepth);
    return MakePicture(width, height, f.colourType, f.bitDepth, [&](int x, int y, int c) {
        const uint v = Sample(x, y, c, f.bitDepth);
        return f.colourType == 3 ? v % uint(entries) : v;
    });
}

QByteArray Palette(int entries) {
    QByteArray p;
    for (int i = 0; i < entries; ++i) {
        p += char(i * 53);
        p += char(255 - i * 3);
        p += char(i * i);
    }
    return p;
}

// A tRNS chunk that makes some pixels transparent: the colour of pixel (1, 1)
// for greyscale and truecolour, a spread of alphas for a palette.
std::optional<QByteArray> Transparency(const Format& f, const PngPicture& picture) {
    const auto key = [&](int c) {
        return uint(Sample(1 % picture.width, 1 % picture.height, c, f.bitDepth));
    };
    switch (f.colourType) {
    case 0:
        return QByteArray(1, char(key(0) >> 8)) + char(key(0));
    case 2: {
        QByteArray t;
        for (int c = 0; c < 3; ++c)
            t += QByteArray(1, char(key(c) >> 8)) + char(key(c));
        return t;
    }
    case 3: {
        QByteArray t;
        for (int i = 0; i < PaletteEntries(f.bitDepth) - 1; ++i)
            t += char(i * 97);
        return t;
    }
    }
    return std::nullopt;
}

QByteArray File(const Format& f, const PngPicture& picture, bool transparency,
                std::optional<quint32> gamma, PngOptions options) {
    if (f.colourType == 3)
        options.palette = Palette(PaletteEntries(f.bitDepth));
    if (transparency)
        options.transparency = Transparency(f, picture);
    options.gamma = gamma;
    return WritePng(picture, options);
}

std::string Name(const Format& f, int w, int h, bool interlaced) {
    return "type " + std::to_string(f.colourType) + " depth " + std::to_string(f.bitDepth) + " " +
           std::to_string(w) + "x" + std::to_string(h) + (interlaced ? " Adam7" : "");
}

} // namespace

TEST(PngCorpus, EveryFormatWithTransparencyAndGammaMatchesLibpng) {
    for (const Format& f : kFormats)
        for (const auto& [w, h] : {std::pair{37, 23}, {1, 1}, {5, 3}})
            for (bool interlaced : {false, true}) {
                SCOPED_TRACE(Name(f, w, h, interlaced));
                const PngPicture picture = Picture(f, w, h);
                PngOptions options;
                options.interlaced = interlaced;
                EXPECT_TRUE(SameAsLibpng(File(f, picture, false, std::nullopt, options)));
                EXPECT_TRUE(SameAsLibpng(File(f, picture, true, std::nullopt, options)));
                EXPECT_TRUE(SameAsLibpng(File(f, picture, false, 100000u, options)));
                EXPECT_TRUE(SameAsLibpng(File(f, picture, true, 45455u, options)));
                EXPECT_TRUE(SameAsLibpng(File(f, picture, true, 220000u, options)));
            }
}

// Each filter type on every row (runs of Average rows of one-byte pixels are
// undone in pairs), and types chosen per row as encoders do.
TEST(PngCorpus, EachFilterAloneAndChosenPerRowMatchesLibpng) {
    for (const Format& f : kFormats)
        for (bool interlaced : {false, true})
            for (PngFilters filters :
                 {PngFilters::None, PngFilters::Sub, PngFilters::Up, PngFilters::Average,
                  PngFilters::Paeth, PngFilters::Heuristic}) {
                SCOPED_TRACE(Name(f, 64, 9, interlaced) + " filters " +
                             std::to_string(int(filters)));
                PngOptions options;
                options.interlaced = interlaced;
                options.filters = filters;
                EXPECT_TRUE(SameAsLibpng(File(f, Picture(f, 64, 9), false, std::nullopt, options)));
            }
}

TEST(PngCorpus, ImageDataSplitIntoManySmallIdatsMatchesLibpng) {
    for (int piece : {1, 7, 1000})
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE("IDATs of " + std::to_string(piece) + (interlaced ? " Adam7" : ""));
            PngOptions options;
            options.interlaced = interlaced;
            options.idatSize = piece;
            EXPECT_TRUE(SameAsLibpng(WritePng(Picture({6, 8}, 41, 17), options)));
        }
}

// Larger than the decoder's inflate window, so rows cross its refills; and
// one row wider than the whole window.
TEST(PngCorpus, PicturesLargerThanTheInflateWindowMatchLibpng) {
    for (bool interlaced : {false, true}) {
        SCOPED_TRACE(interlaced ? "Adam7" : "plain");
        PngOptions options;
        options.interlaced = interlaced;
        options.filters = PngFilters::Heuristic;
        options.idatSize = 8192;
        EXPECT_TRUE(SameAsLibpng(WritePng(Picture({6, 16}, 300, 90), options)));
        EXPECT_TRUE(SameAsLibpng(WritePng(Picture({2, 16}, 20011, 3), options)));
    }
}

TEST(PngCorpus, InterlacedPictureEqualsThePlainOne) {
    for (const Format& f : kFormats) {
        SCOPED_TRACE(Name(f, 19, 21, true));
        const PngPicture picture = Picture(f, 19, 21);
        PngOptions plain;
        PngOptions interlaced;
        interlaced.interlaced = true;
        const QImage a = DecodePng(File(f, picture, true, 100000u, plain));
        const QImage b = DecodePng(File(f, picture, true, 100000u, interlaced));
        EXPECT_EQ(a, b);
    }
}
