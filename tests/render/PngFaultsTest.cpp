// Broken PNG files: each fault ends the decoding with its message, and no
// input makes the reader crash or read outside the file.

#include "render/PngDecoder.h"
#include "render/PngMessages.h"
#include "render/PngTestSupport.h"
#include "support/PngWriter.h"

#include <gtest/gtest.h>

#include <random>

using namespace volmar::test;
using namespace volmar::test::png_messages;

namespace {

PngPicture Rgb(int width = 6, int height = 5) {
    return MakePicture(width, height, 2, 8,
                       [](int x, int y, int c) { return uint(x * 40 + y * 7 + c * 90); });
}

PngPicture Indexed(int bitDepth, uint highestIndex) {
    return MakePicture(7, 3, 3, bitDepth,
                       [=](int x, int y, int) { return uint(x + y) % (highestIndex + 1); });
}

QByteArray Entries(int n) {
    return QByteArray(3 * n, '\x40');
}

std::vector<PngChunkBytes> RgbChunks() {
    PngOptions options;
    options.gamma = 45455;
    std::vector<PngChunkBytes> chunks = PngChunksOf(Rgb(), options);
    chunks.insert(chunks.end() - 1, {"tEXt", "Comment\0hi"});
    return chunks; // IHDR gAMA IDAT tEXt IEND
}

qsizetype Find(const std::vector<PngChunkBytes>& chunks, const char* type) {
    for (size_t i = 0; i < chunks.size(); ++i)
        if (chunks[i].type == type)
            return qsizetype(i);
    return -1;
}

QByteArray WithIdat(const std::vector<PngChunkBytes>& chunks, const QByteArray& stream) {
    std::vector<PngChunkBytes> copy = chunks;
    copy[size_t(Find(copy, "IDAT"))].data = stream;
    return AssemblePng(copy);
}

QByteArray ImageData(const PngPicture& p) {
    return FilteredImageData(p, false, PngFilters::Cycle);
}

// The joined IDAT data of a file, inflated; the IDATs merged into the first.
QByteArray Inflated(std::vector<PngChunkBytes>& chunks) {
    QByteArray stream;
    for (auto it = chunks.begin(); it != chunks.end();)
        if (it->type == "IDAT" && !stream.isEmpty()) {
            stream += it->data;
            it = chunks.erase(it);
        } else {
            stream += it->type == "IDAT" ? it->data : QByteArray();
            ++it;
        }
    QByteArray out(1 << 20, '\0');
    uLongf size = uLongf(out.size());
    uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
               reinterpret_cast<const Bytef*>(stream.constData()), uLong(stream.size()));
    out.resize(qsizetype(size));
    return out;
}

// Offset of the first byte of chunk `index` (its length field).
qsizetype ChunkStart(const std::vector<PngChunkBytes>& chunks, size_t index) {
    qsizetype at = 8;
    for (size_t i = 0; i < index; ++i)
        at += 12 + chunks[i].data.size();
    return at;
}

} // namespace

TEST(PngFaults, DamagedSignatureIsAnInvalidHeader) {
    const QByteArray good = AssemblePng(RgbChunks());
    for (int i = 0; i < 8; ++i) {
        QByteArray bad = good;
        bad[i] = char(bad[i] ^ 0x20);
        EXPECT_EQ(DecodeFailure(bad), kInvalidHeader) << "byte " << i;
    }
    EXPECT_EQ(DecodeFailure(QByteArray()), kInvalidHeader);
    EXPECT_EQ(DecodeFailure(good.left(7)), kInvalidHeader);
}

TEST(PngFaults, FileCutAnywhereEndsUnexpectedly) {
    const QByteArray good = AssemblePng(RgbChunks());
    ASSERT_EQ(DecodeFailure(good), std::string());
    for (qsizetype cut = 8; cut < good.size(); ++cut)
        EXPECT_EQ(DecodeFailure(good.left(cut)), kUnexpectedEnd) << "cut at " << cut;
}

TEST(PngFaults, EveryChunkReadHasItsCrcChecked) {
    const std::vector<PngChunkBytes> chunks = RgbChunks();
    const QByteArray good = AssemblePng(chunks);
    for (size_t i = 0; i < chunks.size(); ++i) {
        const qsizetype crcAt = ChunkStart(chunks, i + 1) - 1;
        QByteArray badCrc = good;
        badCrc[crcAt] = char(badCrc[crcAt] ^ 1);
        EXPECT_EQ(DecodeFailure(badCrc), kCrc) << chunks[i].type.constData();
        if (chunks[i].data.isEmpty())
            continue;
        QByteArray badData = good;
        badData[ChunkStart(chunks, i) + 8] = char(badData[ChunkStart(chunks, i) + 8] ^ 1);
        EXPECT_EQ(DecodeFailure(badData), kCrc) << chunks[i].type.constData();
    }
}

TEST(PngFaults, ChrmAndIdatAfterThePictureArePassedOverUnread) {
    std::vector<PngChunkBytes> chunks = RgbChunks();
    const QByteArray expected = AssemblePng(chunks);
    chunks.insert(chunks.begin() + 1, {"cHRM", QByteArray(32, '\1')});
    chunks.insert(chunks.end() - 1, {"IDAT", "garbage"});
    QByteArray file = AssemblePng(chunks);
    // Spoil the CRCs of the cHRM and of the trailing IDAT.
    const qsizetype chrmCrc = ChunkStart(chunks, 2) - 1;
    const qsizetype idatCrc = ChunkStart(chunks, chunks.size() - 1) - 1;
    file[chrmCrc] = char(file[chrmCrc] ^ 1);
    file[idatCrc] = char(file[idatCrc] ^ 1);
    EXPECT_EQ(DecodePng(file), DecodePng(expected));
}

TEST(PngFaults, HeaderFaultsHaveTheirMessages) {
    const auto withHeader = [](const QByteArray& ihdr) {
        std::vector<PngChunkBytes> chunks = RgbChunks();
        chunks[0].data = ihdr;
        return DecodeFailure(AssemblePng(chunks));
    };
    EXPECT_EQ(withHeader(IhdrData(6, 5, 8, 2).left(12)), kIhdrCorrupt);
    EXPECT_EQ(withHeader(IhdrData(6, 5, 8, 2) + "extra"), std::string());
    EXPECT_EQ(withHeader(IhdrData(65536, 5, 8, 2)), kTooLarge);
    EXPECT_EQ(withHeader(IhdrData(6, 0xFFFFFFFF, 8, 2)), kTooLarge);
    EXPECT_EQ(withHeader(IhdrData(0, 5, 8, 2)), kIhdrCorrupt);
    EXPECT_EQ(withHeader(IhdrData(6, 0, 8, 2)), kIhdrCorrupt);
    EXPECT_EQ(withHeader(IhdrData(6, 5, 8, 2, 0, 1)), kUnknownCompression);
    EXPECT_EQ(withHeader(IhdrData(6, 5, 8, 2, 0, 0, 1)), kUnknownCompression);
    EXPECT_EQ(withHeader(IhdrData(6, 5, 8, 2, 2)), kUnknownInterlace);
    for (const auto& [type, depth] : {std::pair{1, 8},
                                      {5, 8},
                                      {7, 8},
                                      {9, 8},
                                      {2, 0},
                                      {2, 3},
                                      {2, 4},
                                      {0, 3},
                                      {0, 32},
                                      {3, 16},
                                      {4, 4},
                                      {6, 1},
                                      {2, 99}})
        EXPECT_EQ(withHeader(IhdrData(6, 5, depth, type)), kIhdrCorrupt)
            << "type " << type << " depth " << depth;
}

TEST(PngFaults, ChunkOrderFaultsHaveTheirMessages) {
    std::vector<PngChunkBytes> gammaFirst = RgbChunks();
    std::swap(gammaFirst[0], gammaFirst[1]);
    EXPECT_EQ(DecodeFailure(AssemblePng(gammaFirst)), kIhdrNotFirst);

    std::vector<PngChunkBytes> secondHeader = RgbChunks();
    secondHeader.insert(secondHeader.begin() + 1, secondHeader[0]);
    EXPECT_EQ(DecodeFailure(AssemblePng(secondHeader)), kIhdrCorrupt);

    std::vector<PngChunkBytes> noData = RgbChunks();
    noData.erase(noData.begin() + Find(noData, "IDAT"));
    EXPECT_EQ(DecodeFailure(AssemblePng(noData)), kNoData);

    for (const char* where : {"before", "after"}) {
        std::vector<PngChunkBytes> critical = RgbChunks();
        critical.insert(critical.begin() + Find(critical, "IDAT") + (where[0] == 'a'),
                        {"ZZZZ", "x"});
        EXPECT_EQ(DecodeFailure(AssemblePng(critical)), kUnknownCritical) << where;
        critical[size_t(Find(critical, "ZZZZ"))].type = "zZZZ";
        EXPECT_EQ(DecodeFailure(AssemblePng(critical)), std::string()) << where;
    }
}

TEST(PngFaults, ImageDataInterruptedOrShortIsMissingParts) {
    const std::vector<PngChunkBytes> chunks = RgbChunks();
    const QByteArray stream = chunks[size_t(Find(chunks, "IDAT"))].data;
    for (const char* between : {"tEXt", "IEND"}) {
        std::vector<PngChunkBytes> split = chunks;
        const auto at = split.begin() + Find(split, "IDAT");
        at->data = stream.left(10);
        split.insert(at + 1, {{between, {}}, {"IDAT", stream.mid(10)}});
        EXPECT_EQ(DecodeFailure(AssemblePng(split)), kMissingParts) << between;
    }
    const QByteArray rows = ImageData(Rgb());
    EXPECT_EQ(DecodeFailure(WithIdat(chunks, ZlibCompress(rows.chopped(1)))), kMissingParts);
    EXPECT_EQ(DecodeFailure(WithIdat(chunks, ZlibCompress(QByteArray()))), kMissingParts);
}

TEST(PngFaults, StreamFaultsNameTheZlibCode) {
    const std::vector<PngChunkBytes> chunks = RgbChunks();
    const QByteArray rows = ImageData(Rgb());
    // More bytes than the rows need, in the same IDAT or already inflated.
    EXPECT_EQ(DecodeFailure(WithIdat(chunks, ZlibCompress(rows + '\0'))), Zlib("data error (-3)"));
    EXPECT_EQ(DecodeFailure(WithIdat(chunks, ZlibCompress(rows + QByteArray(200000, '\0')))),
              Zlib("data error (-3)"));
    QByteArray corrupt = ZlibCompress(rows);
    corrupt[1] = char(corrupt[1] ^ 0x5A);
    EXPECT_EQ(DecodeFailure(WithIdat(chunks, corrupt)), Zlib("data error (-3)"));
    QByteArray badChecksum = ZlibCompress(rows);
    badChecksum[badChecksum.size() - 1] = char(badChecksum.back() ^ 1);
    EXPECT_EQ(DecodeFailure(WithIdat(chunks, badChecksum)), Zlib("data error (-3)"));
    // A header asking for a preset dictionary (FDICT set, check bits fixed).
    const QByteArray dictionary = QByteArray("\x78\xBB") + QByteArray(10, '\0');
    EXPECT_EQ(DecodeFailure(WithIdat(chunks, dictionary)), Zlib("need dictionary (2)"));
    QByteArray badFilter = rows;
    badFilter[0] = 5;
    EXPECT_EQ(DecodeFailure(WithIdat(chunks, ZlibCompress(badFilter))), Zlib("data error (-3)"));
}

TEST(PngFaults, PaletteAndTransparencyOutOfRangeAreAnInvalidPalette) {
    const auto file = [](int bitDepth, uint highest, const QByteArray& plte,
                         std::optional<QByteArray> trns) {
        PngOptions options;
        options.palette = plte;
        options.transparency = trns;
        return DecodeFailure(WritePng(Indexed(bitDepth, highest), options));
    };
    EXPECT_EQ(file(8, 3, Entries(4), std::nullopt), std::string());
    EXPECT_EQ(file(8, 3, Entries(4).chopped(1), std::nullopt), kInvalidPalette);
    EXPECT_EQ(file(8, 3, Entries(257), std::nullopt), kInvalidPalette);
    EXPECT_EQ(file(8, 3, {}, std::nullopt), kInvalidPalette);
    EXPECT_EQ(file(8, 3, Entries(4), QByteArray(4, '\0')), std::string());
    EXPECT_EQ(file(8, 3, Entries(4), QByteArray(5, '\0')), kInvalidPalette);
    EXPECT_EQ(file(8, 3, Entries(256), QByteArray(257, '\0')), kInvalidPalette);
    // Indices beyond the palette, at full and packed depths.
    EXPECT_EQ(file(8, 4, Entries(4), std::nullopt), kInvalidPalette);
    EXPECT_EQ(file(2, 3, Entries(3), std::nullopt), kInvalidPalette);
    EXPECT_EQ(file(2, 3, Entries(4), std::nullopt), std::string());
    EXPECT_EQ(file(1, 1, Entries(1), std::nullopt), kInvalidPalette);

    const auto keyed = [](int colourType, int length) {
        PngOptions options;
        options.transparency = QByteArray(length, '\0');
        return DecodeFailure(
            WritePng(MakePicture(3, 3, colourType, 8, [](int, int, int) { return 1u; }), options));
    };
    EXPECT_EQ(keyed(0, 2), std::string());
    EXPECT_EQ(keyed(0, 1), kInvalidPalette);
    EXPECT_EQ(keyed(2, 6), std::string());
    EXPECT_EQ(keyed(2, 4), kInvalidPalette);
    EXPECT_EQ(keyed(6, 3), std::string()); // an alpha channel makes tRNS meaningless
}

// Kept alpha lets a real entry be all zeros, like the beyond-the-palette marker.
TEST(PngFaults, KeptAlphaStillRefusesIndicesBeyondThePalette) {
    PngOptions options;
    options.palette = QByteArray(9, '\0');
    options.transparency = QByteArray(3, '\0');
    for (int depth : {8, 2})
        for (uint highest : {2u, 3u}) {
            const QByteArray png = WritePng(Indexed(depth, highest), options);
            const auto* data = reinterpret_cast<const uchar*>(png.data());
            const auto decode = [&] { volmar::DecodePngWithAlpha(data, size_t(png.size())); };
            if (highest == 3)
                EXPECT_ANY_THROW(decode()) << depth;
            else
                EXPECT_NO_THROW(decode()) << depth;
        }
}

TEST(PngFaults, HugePictureIsRefusedBeforeAnythingIsAllocated) {
    for (const auto& [w, h] : {std::pair{65535u, 65535u}, {8193u, 8192u}}) {
        std::vector<PngChunkBytes> chunks = RgbChunks();
        chunks[0].data = IhdrData(w, h, 8, 6);
        EXPECT_EQ(DecodeFailure(AssemblePng(chunks)), kOutOfResources) << w << "x" << h;
    }
}

// Random damage to valid files of several kinds, to their bytes, to the data
// of their chunks (CRCs made right again) and to their rows before
// compression: every outcome is a picture or a VolmarError, and the sanitizer
// build catches any stray read.
TEST(PngFaults, RandomDamageNeverCrashes) {
    std::mt19937 random(20240611);
    const auto damage = [&](QByteArray& bytes) {
        if (bytes.isEmpty())
            return;
        for (int i = 1 + int(random() % 4); i > 0; --i)
            bytes[qsizetype(random() % uint(bytes.size()))] = char(random());
    };
    PngOptions interlaced;
    interlaced.interlaced = true;
    interlaced.idatSize = 50;
    PngOptions indexed;
    indexed.palette = Entries(16);
    indexed.transparency = QByteArray(5, '\x80');
    const PngPicture wide =
        MakePicture(23, 17, 6, 16, [](int x, int y, int c) { return uint(x * y * c); });
    const std::vector<std::vector<PngChunkBytes>> seeds = {
        RgbChunks(), PngChunksOf(wide, interlaced), PngChunksOf(Indexed(4, 15), indexed)};
    for (const auto& seed : seeds)
        for (int round = 0; round < 1500; ++round) {
            std::vector<PngChunkBytes> chunks = seed;
            QByteArray file;
            switch (round % 3) {
            case 0:
                file = AssemblePng(chunks);
                damage(file);
                break;
            case 1:
                damage(chunks[random() % chunks.size()].data);
                file = AssemblePng(chunks);
                break;
            case 2: {
                QByteArray rows = Inflated(chunks);
                damage(rows);
                file = WithIdat(chunks, ZlibCompress(rows));
                break;
            }
            }
            if (random() % 4 == 0)
                file.truncate(qsizetype(random() % uint(file.size())));
            try {
                DecodePng(file);
            } catch (const volmar::VolmarError& error) {
                EXPECT_FALSE(error.message().isEmpty());
            }
        }
}
