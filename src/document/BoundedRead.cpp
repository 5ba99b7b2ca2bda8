#include "document/BoundedRead.h"

#include "document/CommandFailure.h"

#include <algorithm>

namespace volmar {

namespace {

constexpr qint64 kFirstChunk = 64 * 1024;

} // namespace

QByteArray ReadAtMost(QIODevice& device, qint64 maxBytes) {
    QByteArray bytes;
    if (!device.isSequential()) {
        const qint64 left = device.size() - device.pos();
        if (left > maxBytes)
            ThrowOutOfResources();
        bytes.reserve(qsizetype(left)); // a file that grows meanwhile grows the buffer
    }
    qint64 chunk = kFirstChunk;
    while (bytes.size() < maxBytes) {
        const qint64 want = std::min(chunk, maxBytes - bytes.size());
        const qsizetype held = bytes.size();
        if (held + want > bytes.capacity())
            bytes.reserve(qsizetype(std::min(maxBytes, 2 * (held + want))));
        bytes.resize(qsizetype(held + want));
        const qint64 got = device.read(bytes.data() + held, want);
        bytes.resize(held + qsizetype(std::max<qint64>(got, 0)));
        if (got <= 0)
            return bytes;
        chunk = std::min(chunk * 2, qint64(16) * 1024 * 1024);
    }
    char more = 0;
    if (device.read(&more, 1) == 1)
        ThrowOutOfResources();
    return bytes;
}

} // namespace volmar
