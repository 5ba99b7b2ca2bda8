#pragma once

// A small PNG writer for tests and benchmarks: it makes every colour type,
// bit depth and interlace, with any filters, and hands out the chunks so that
// tests can break them. Header-only so that bench/ can use it too.

#include <QByteArray>
#include <QtGlobal>

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace volmar::test {

// Samples of a picture: rows top to bottom, packed at the bit depth (16-bit
// samples big-endian, low depths from the most significant bit), each row
// padded to whole bytes, no filter bytes.
struct PngPicture {
    int width = 0;
    int height = 0;
    int colourType = 6;
    int bitDepth = 8;
    QByteArray samples;

    int Channels() const {
        switch (colourType) {
        case 2:
            return 3;
        case 4:
            return 2;
        case 6:
            return 4;
        }
        return 1;
    }
    int BitsPerPixel() const { return Channels() * bitDepth; }
    int RowBytes(int pixels) const { return (pixels * BitsPerPixel() + 7) / 8; }
};

// Fills a picture from a function of (x, y, channel) giving each sample's
// value at the picture's bit depth.
inline PngPicture MakePicture(int width, int height, int colourType, int bitDepth,
                              const std::function<uint(int, int, int)>& sample) {
    PngPicture p{width, height, colourType, bitDepth, {}};
    const int rowBytes = p.RowBytes(width);
    p.samples = QByteArray(rowBytes * height, '\0');
    for (int y = 0; y < height; ++y) {
        uchar* row = reinterpret_cast<uchar*>(p.samples.data()) + y * rowBytes;
        int bit = 0;
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < p.Channels(); ++c, bit += bitDepth) {
                const uint v = sample(x, y, c) & ((1u << bitDepth) - 1);
                if (bitDepth == 16) {
                    row[bit / 8] = uchar(v >> 8);
                    row[bit / 8 + 1] = uchar(v);
                } else if (bitDepth == 8) {
                    row[bit / 8] = uchar(v);
                } else {
                    row[bit / 8] |= uchar(v << (8 - bitDepth - bit % 8));
                }
            }
    }
    return p;
}

enum class PngFilters {
    None, // filter type 0 on every row (and so on up to Paeth, 4)
    Sub,
    Up,
    Average,
    Paeth,
    Heuristic, // the type giving the smallest sum of absolute differences
    Cycle,     // row n (counted over all passes) uses type n % 5
};

namespace detail {

inline int PaethPredict(int a, int b, int c) {
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    return (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
}

inline QByteArray FilterRow(int type, const uchar* row, const uchar* above, int length, int step) {
    QByteArray out(length + 1, '\0');
    out[0] = char(type);
    for (int i = 0; i < length; ++i) {
        const int a = i >= step ? row[i - step] : 0;
        const int b = above ? above[i] : 0;
        const int c = (above && i >= step) ? above[i - step] : 0;
        int predicted = 0;
        switch (type) {
        case 1:
            predicted = a;
            break;
        case 2:
            predicted = b;
            break;
        case 3:
            predicted = (a + b) / 2;
            break;
        case 4:
            predicted = PaethPredict(a, b, c);
            break;
        }
        out[i + 1] = char(row[i] - predicted);
    }
    return out;
}

inline long FilterCost(const QByteArray& filtered) {
    long sum = 0;
    for (int i = 1; i < filtered.size(); ++i)
        sum += std::abs(int(static_cast<signed char>(filtered[i])));
    return sum;
}

// The bits of pixel x of a packed row.
inline void CopyPixel(const uchar* from, int fromX, uchar* to, int toX, int bits) {
    if (bits >= 8) {
        for (int k = 0; k < bits / 8; ++k)
            to[toX * bits / 8 + k] = from[fromX * bits / 8 + k];
        return;
    }
    const int fromBit = fromX * bits, toBit = toX * bits;
    const uint mask = (1u << bits) - 1;
    const uint v = (from[fromBit / 8] >> (8 - bits - fromBit % 8)) & mask;
    to[toBit / 8] |= uchar(v << (8 - bits - toBit % 8));
}

// The rows of each stored pass: the whole picture, or Adam7's seven passes.
inline std::vector<std::vector<QByteArray>> PassRows(const PngPicture& p, bool interlaced) {
    static const int kAdam7[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                     {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    static const int kWhole[1][4] = {{0, 0, 1, 1}};
    const int passes = interlaced ? 7 : 1;
    const auto& geometry = interlaced ? kAdam7 : kWhole;
    const int rowBytes = p.RowBytes(p.width);
    std::vector<std::vector<QByteArray>> result;
    for (int n = 0; n < passes; ++n) {
        const auto& g = geometry[n];
        std::vector<QByteArray> rows;
        const int w = p.width > g[0] ? (p.width - g[0] + g[2] - 1) / g[2] : 0;
        for (int y = g[1]; w > 0 && y < p.height; y += g[3]) {
            QByteArray row(p.RowBytes(w), '\0');
            const auto* source =
                reinterpret_cast<const uchar*>(p.samples.constData()) + y * rowBytes;
            for (int i = 0; i < w; ++i)
                CopyPixel(source, g[0] + i * g[2], reinterpret_cast<uchar*>(row.data()), i,
                          p.BitsPerPixel());
            rows.push_back(row);
        }
        result.push_back(rows);
    }
    return result;
}

} // namespace detail

// The uncompressed image data: each row of each pass with its filter byte.
inline QByteArray FilteredImageData(const PngPicture& p, bool interlaced, PngFilters filters) {
    const int step = std::max(1, p.BitsPerPixel() / 8);
    QByteArray data;
    int rowNumber = 0;
    for (const auto& rows : detail::PassRows(p, interlaced)) {
        const uchar* above = nullptr;
        for (const QByteArray& row : rows) {
            const auto* r = reinterpret_cast<const uchar*>(row.constData());
            QByteArray best;
            if (filters == PngFilters::Heuristic) {
                for (int type = 0; type < 5; ++type) {
                    QByteArray f = detail::FilterRow(type, r, above, int(row.size()), step);
                    if (best.isEmpty() || detail::FilterCost(f) < detail::FilterCost(best))
                        best = f;
                }
            } else {
                const int type = filters == PngFilters::Cycle ? rowNumber % 5 : int(filters);
                best = detail::FilterRow(type, r, above, int(row.size()), step);
            }
            data += best;
            above = r;
            ++rowNumber;
        }
    }
    return data;
}

inline QByteArray ZlibCompress(const QByteArray& data, int level = 6) {
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()),
                  level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(qsizetype(size));
    return out;
}

inline QByteArray BigEndian32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(v >> (24 - 8 * i));
    return b;
}

struct PngChunkBytes {
    QByteArray type;
    QByteArray data;
};

inline QByteArray PngSignature() {
    return QByteArray("\x89PNG\r\n\x1a\n", 8);
}

// A chunk with its length and CRC.
inline QByteArray FrameChunk(const PngChunkBytes& chunk) {
    const QByteArray body = chunk.type + chunk.data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()));
    return BigEndian32(quint32(chunk.data.size())) + body + BigEndian32(quint32(crc));
}

inline QByteArray AssemblePng(const std::vector<PngChunkBytes>& chunks) {
    QByteArray file = PngSignature();
    for (const auto& c : chunks)
        file += FrameChunk(c);
    return file;
}

inline QByteArray IhdrData(quint32 width, quint32 height, int bitDepth, int colourType,
                           int interlace = 0, int compression = 0, int filter = 0) {
    QByteArray d = BigEndian32(width) + BigEndian32(height);
    d += char(bitDepth);
    d += char(colourType);
    d += char(compression);
    d += char(filter);
    d += char(interlace);
    return d;
}

// What goes around the pixels of a written PNG.
struct PngOptions {
    bool interlaced = false;
    PngFilters filters = PngFilters::Cycle;
    int level = 6;
    int idatSize = 0; // split the stream into IDATs of this many bytes (0: one)
    QByteArray palette;
    std::optional<QByteArray> transparency;
    std::optional<quint32> gamma;
};

inline std::vector<PngChunkBytes> PngChunksOf(const PngPicture& p, const PngOptions& o = {}) {
    std::vector<PngChunkBytes> chunks;
    chunks.push_back({"IHDR", IhdrData(quint32(p.width), quint32(p.height), p.bitDepth,
                                       p.colourType, o.interlaced ? 1 : 0)});
    if (o.gamma)
        chunks.push_back({"gAMA", BigEndian32(*o.gamma)});
    if (!o.palette.isEmpty())
        chunks.push_back({"PLTE", o.palette});
    if (o.transparency)
        chunks.push_back({"tRNS", *o.transparency});
    const QByteArray stream = ZlibCompress(FilteredImageData(p, o.interlaced, o.filters), o.level);
    const qsizetype piece = o.idatSize > 0 ? o.idatSize : qMax<qsizetype>(1, stream.size());
    for (qsizetype at = 0; at < stream.size(); at += piece)
        chunks.push_back({"IDAT", stream.mid(at, piece)});
    chunks.push_back({"IEND", {}});
    return chunks;
}

inline QByteArray WritePng(const PngPicture& p, const PngOptions& o = {}) {
    return AssemblePng(PngChunksOf(p, o));
}

} // namespace volmar::test
