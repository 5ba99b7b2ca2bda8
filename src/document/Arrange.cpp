#include "document/Arrange.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace volmar {

namespace {

constexpr qint64 kMin32 = std::numeric_limits<qint32>::min();
constexpr qint64 kMax32 = std::numeric_limits<qint32>::max();

// The two edges of a rectangle along one axis.
struct Edges {
    qint32 CanvasRect::*Low;
    qint32 CanvasRect::*High;
};

Edges EdgesOf(Axis axis) {
    return axis == Axis::Horizontal ? Edges{&CanvasRect::Left, &CanvasRect::Right}
                                    : Edges{&CanvasRect::Top, &CanvasRect::Bottom};
}

// Floor division for a positive divisor: the quotient rounded toward negative
// infinity, so the remainder is never negative (-5 / 3 -> -2 remainder 1).
qint64 FloorDiv(qint64 dividend, qint64 divisor) {
    const qint64 quotient = dividend / divisor;
    return (dividend % divisor != 0 && dividend < 0) ? quotient - 1 : quotient;
}

qint32 Clamp32(qint64 v) {
    return static_cast<qint32>(std::clamp(v, kMin32, kMax32));
}

qint64 SizeOf(const CanvasRect& r, Edges e) {
    return qint64(r.*e.High) - r.*e.Low;
}

// Moves both edges by delta, limited so that neither leaves the int32 range.
// The edges need not be in order.
void MoveAlong(CanvasRect& r, Edges e, qint64 delta) {
    const qint64 low = std::min(r.*e.Low, r.*e.High);
    const qint64 high = std::max(r.*e.Low, r.*e.High);
    delta = std::clamp(delta, kMin32 - low, kMax32 - high);
    r.*e.Low = static_cast<qint32>(r.*e.Low + delta);
    r.*e.High = static_cast<qint32>(r.*e.High + delta);
}

// The position of a line on a rectangle, and the axis it lies on.
qint64 LinePosition(const CanvasRect& r, AlignLine line) {
    switch (line) {
    case AlignLine::Left:
        return r.Left;
    case AlignLine::Right:
        return r.Right;
    case AlignLine::Top:
        return r.Top;
    case AlignLine::Bottom:
        return r.Bottom;
    case AlignLine::HorizontalCentre:
        return CentreOf(r.Left, r.Right);
    case AlignLine::VerticalCentre:
        return CentreOf(r.Top, r.Bottom);
    }
    return 0;
}

Axis AxisOf(AlignLine line) {
    switch (line) {
    case AlignLine::Left:
    case AlignLine::Right:
    case AlignLine::HorizontalCentre:
        return Axis::Horizontal;
    default:
        return Axis::Vertical;
    }
}

} // namespace

qint64 CentreOf(qint32 a, qint32 b) {
    return FloorDiv(qint64(a) + b, 2);
}

std::vector<CanvasRect> AlignRects(std::span<const CanvasRect> rects, std::size_t reference,
                                   AlignLine line) {
    std::vector<CanvasRect> out(rects.begin(), rects.end());
    const qint64 target = LinePosition(rects[reference], line);
    const Edges edges = EdgesOf(AxisOf(line));
    for (CanvasRect& r : out)
        MoveAlong(r, edges, target - LinePosition(r, line));
    return out;
}

std::vector<CanvasRect> MatchSizes(std::span<const CanvasRect> rects, std::size_t reference,
                                   Axis axis) {
    std::vector<CanvasRect> out(rects.begin(), rects.end());
    const Edges edges = EdgesOf(axis);
    const qint64 size = SizeOf(rects[reference], edges);
    for (CanvasRect& r : out)
        r.*edges.High = Clamp32(r.*edges.Low + size);
    return out;
}

std::vector<CanvasRect> SpaceEvenly(std::span<const CanvasRect> rects, Axis axis) {
    std::vector<CanvasRect> out(rects.begin(), rects.end());
    const std::size_t n = rects.size();
    if (n < 3)
        return out;
    const Edges edges = EdgesOf(axis);
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return rects[a].*edges.Low < rects[b].*edges.Low;
    });

    const CanvasRect& first = rects[order.front()];
    const CanvasRect& last = rects[order.back()];
    // What lies between the first's far edge and the last's near edge, less
    // the windows in between, is shared out among the n - 1 gaps.
    qint64 space = qint64(last.*edges.Low) - first.*edges.High;
    for (std::size_t k = 1; k + 1 < n; ++k)
        space -= SizeOf(rects[order[k]], edges);
    const qint64 gaps = static_cast<qint64>(n - 1);
    const qint64 gap = FloorDiv(space, gaps);
    const qint64 leftover = space - gap * gaps; // 0 .. gaps - 1, one each to the first gaps

    qint64 position = first.*edges.High;
    for (std::size_t k = 1; k + 1 < n; ++k) {
        const qint64 g = gap + (static_cast<qint64>(k - 1) < leftover ? 1 : 0);
        position += g;
        CanvasRect& r = out[order[k]];
        MoveAlong(r, edges, position - r.*edges.Low);
        position += SizeOf(rects[order[k]], edges);
    }
    return out;
}

} // namespace volmar
