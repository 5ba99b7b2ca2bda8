#include "document/HintText.h"

#include <cstdlib>

namespace volmar {

namespace {

// U+00D7 MULTIPLICATION SIGN, 0x81 0x7E in code page 932.
constexpr QChar kTimes(0x00D7);

QString Pair(qint64 a, qint64 b) {
    return QString::number(a) + kTimes + QString::number(b);
}

} // namespace

QString SizeHintText(const CanvasRect& r) {
    // Widened first: a width of 2^31 or more must not overflow.
    const qint64 width = std::llabs(qint64(r.Right) - qint64(r.Left));
    const qint64 height = std::llabs(qint64(r.Bottom) - qint64(r.Top));
    return Pair(width, height);
}

QString PositionHintText(qint32 left, qint32 top) {
    return Pair(left, top);
}

} // namespace volmar
