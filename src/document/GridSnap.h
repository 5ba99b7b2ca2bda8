#pragma once

#include <QtGlobal>

namespace volmar {

// The grid rule of the design surface: v becomes v - (v rem step), the
// remainder taking the sign of v, so v is truncated toward zero to a multiple
// of the step (23 -> 20, -7 -> 0, -17 -> -10). A step of 0 leaves v alone
// instead of dividing by zero.
inline qint32 SnapToGrid(qint32 v, qint32 step) {
    if (step == 0)
        return v;
    const qint64 wide = v;
    return static_cast<qint32>(wide - wide % step);
}

} // namespace volmar
