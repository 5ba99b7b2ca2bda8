#pragma once

#include <QtGlobal>

#include <algorithm>

namespace volmar {

// A rectangle with exclusive right and bottom edges in 64-bit coordinates, so
// that right - left never overflows for any pair of 32-bit edges.
struct Rect64 {
    qint64 Left = 0;
    qint64 Top = 0;
    qint64 Right = 0;
    qint64 Bottom = 0;

    qint64 Width() const { return Right - Left; }
    qint64 Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }

    Rect64 Intersected(const Rect64& o) const {
        return {std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
                std::min(Bottom, o.Bottom)};
    }
    Rect64 Translated(qint64 dx, qint64 dy) const {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }

    friend bool operator==(const Rect64&, const Rect64&) = default;
};

} // namespace volmar
