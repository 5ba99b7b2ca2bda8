#pragma once

#include <QtGlobal>

namespace volmar {

// The range of a spin field; both bounds fit in 16 bits.
struct SpinRange {
    int Minimum;
    int Maximum;
};

inline constexpr SpinRange kSizeRange{-1000, 1000};
inline constexpr SpinRange kXRange{0, 640};
inline constexpr SpinRange kYRange{0, 480};

// A value given to a spin field: held at the nearest bound of its range.
// The value is taken whole, never cut to its low 16 bits, so a window 65546
// pixels wide shows 1000 and not 10.
constexpr int HoldInRange(qint64 value, SpinRange range) {
    return value < range.Minimum   ? range.Minimum
           : value > range.Maximum ? range.Maximum
                                   : int(value);
}

} // namespace volmar
