#pragma once

#include "document/CanvasSize.h"

#include <QtGlobal>

namespace volmar {

// The range of a spin field; both bounds fit in 16 bits.
struct SpinRange {
    int Minimum;
    int Maximum;
};

inline constexpr SpinRange kSizeRange{-1000, 1000};
// The position fields reach from the canvas's origin to its far edge.
constexpr SpinRange XRange(const CanvasSize& canvas) {
    return SpinRange{0, canvas.Width};
}
constexpr SpinRange YRange(const CanvasSize& canvas) {
    return SpinRange{0, canvas.Height};
}
inline constexpr SpinRange kXRange = XRange(kDefaultCanvas);
inline constexpr SpinRange kYRange = YRange(kDefaultCanvas);

// A value given to a spin field: held at the nearest bound of its range.
// The value is taken whole, never cut to its low 16 bits, so a window 65546
// pixels wide shows 1000 and not 10.
constexpr int HoldInRange(qint64 value, SpinRange range) {
    return value < range.Minimum   ? range.Minimum
           : value > range.Maximum ? range.Maximum
                                   : int(value);
}

} // namespace volmar
