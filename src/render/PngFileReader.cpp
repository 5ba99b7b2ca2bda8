#include "render/PngFileReader.h"

#include "render/PngChunks.h"
#include "render/PngErrors.h"

#include <algorithm>
#include <cstring>

namespace volmar {

namespace {

constexpr char kSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1A', '\n'};

class BoundedPngRead {
public:
    // A stream (a pipe, say) may give up to maxBytes; a file larger than that
    // is refused at once.
    BoundedPngRead(QIODevice& device, qint64 maxBytes)
        : device_(device), left_(device.isSequential() ? maxBytes : device.size() - device.pos()) {
        if (left_ > maxBytes)
            ThrowPngFault(PngFault::OutOfResources);
    }

    // Appends the next count bytes; false when the device (or the bound)
    // ends first.
    bool Take(qint64 count) {
        const qint64 wanted = std::min(count, left_);
        const qsizetype held = bytes_.size();
        if (held + wanted > bytes_.capacity()) // grow by doubling, never past the end
            bytes_.reserve(
                qsizetype(std::min(held + left_, std::max(2 * (held + wanted), qint64(4096)))));
        bytes_.resize(held + qsizetype(wanted));
        qint64 got = 0;
        while (got < wanted) {
            const qint64 n = device_.read(bytes_.data() + held + got, wanted - got);
            if (n <= 0)
                break;
            got += n;
        }
        bytes_.resize(held + qsizetype(got));
        left_ -= got;
        return got == count;
    }

    const uchar* Last(qsizetype count) const {
        return reinterpret_cast<const uchar*>(bytes_.constData()) + bytes_.size() - count;
    }

    QByteArray Bytes() && { return std::move(bytes_); }

private:
    QIODevice& device_;
    qint64 left_; // what may still be read
    QByteArray bytes_;
};

} // namespace

QByteArray ReadPngBytes(QIODevice& device, qint64 maxBytes) {
    BoundedPngRead read(device, maxBytes);
    if (!read.Take(sizeof kSignature) ||
        std::memcmp(read.Last(sizeof kSignature), kSignature, sizeof kSignature) != 0)
        return std::move(read).Bytes();
    // Each chunk: length, type, then the data and the CRC.
    while (read.Take(8)) {
        const quint32 length = ReadBigEndian32(read.Last(8));
        const quint32 type = ReadBigEndian32(read.Last(4));
        if (!read.Take(qint64(length) + 4) || type == PngChunkType("IEND"))
            break;
    }
    return std::move(read).Bytes();
}

} // namespace volmar
