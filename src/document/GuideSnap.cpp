#include "document/GuideSnap.h"

#include "document/Arrange.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace volmar {

namespace {

qint32 Wrap(qint64 v) {
    return qint32(quint32(quint64(v)));
}

void SortUnique(std::vector<qint32>& v) {
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
}

// The left (top) edge, centre line (rounded down, as the align commands
// take it) and right (bottom) edge of an edge pair.
std::array<qint32, 3> Features(qint32 low, qint32 high) {
    return {low, qint32(CentreOf(low, high)), high};
}

// The shift that brings the nearest feature onto the nearest guide within
// reach; on a tie the earlier feature and the lower guide win.
template <size_t N>
std::optional<qint32> NearestShift(const std::array<qint32, N>& features,
                                   const std::vector<qint32>& guides) {
    std::optional<qint32> best;
    qint64 bestDistance = qint64(kGuideReach) + 1;
    for (const qint32 f : features) {
        const auto above = std::lower_bound(guides.begin(), guides.end(), f);
        const auto consider = [&](auto it) {
            const qint64 shift = qint64(*it) - f;
            if (std::abs(shift) < bestDistance) {
                bestDistance = std::abs(shift);
                best = qint32(shift);
            }
        };
        if (above != guides.begin())
            consider(std::prev(above));
        if (above != guides.end())
            consider(above);
    }
    return best;
}

template <size_t N>
void AddHeldLines(const std::array<qint32, N>& features, qint32 shift,
                  const std::vector<qint32>& guides, std::vector<qint32>& lines) {
    for (const qint32 f : features) {
        const qint64 at = qint64(f) + shift;
        if (at == qint32(at) && std::binary_search(guides.begin(), guides.end(), qint32(at)))
            lines.push_back(qint32(at));
    }
    SortUnique(lines);
}

} // namespace

GuideTargets MakeGuideTargets(const std::vector<CanvasRect>& windows, const CanvasSize& canvas) {
    GuideTargets targets;
    targets.X.reserve(3 * windows.size() + 3);
    targets.Y.reserve(3 * windows.size() + 3);
    for (const qint32 x : Features(0, canvas.Width))
        targets.X.push_back(x);
    for (const qint32 y : Features(0, canvas.Height))
        targets.Y.push_back(y);
    for (const CanvasRect& w : windows) {
        for (const qint32 x : Features(w.Left, w.Right))
            targets.X.push_back(x);
        for (const qint32 y : Features(w.Top, w.Bottom))
            targets.Y.push_back(y);
    }
    SortUnique(targets.X);
    SortUnique(targets.Y);
    return targets;
}

DragGroup MakeDragGroup(const std::vector<CanvasRect>& dragged, CanvasPoint corner) {
    DragGroup group{CanvasRect{corner.X, corner.Y, corner.X, corner.Y}, corner};
    for (size_t i = 0; i < dragged.size(); ++i) {
        const CanvasRect r = NormalizeRect(dragged[i]);
        if (i == 0) {
            group.Bounds = r;
            continue;
        }
        group.Bounds.Left = std::min(group.Bounds.Left, r.Left);
        group.Bounds.Top = std::min(group.Bounds.Top, r.Top);
        group.Bounds.Right = std::max(group.Bounds.Right, r.Right);
        group.Bounds.Bottom = std::max(group.Bounds.Bottom, r.Bottom);
    }
    return group;
}

PointSnap SnapMoveStep(const DragGroup& group, CanvasPoint raw, CanvasPoint gridded,
                       const GuideTargets& targets) {
    const qint64 dx = qint64(raw.X) - group.Corner.X;
    const qint64 dy = qint64(raw.Y) - group.Corner.Y;
    const auto across = Features(Wrap(group.Bounds.Left + dx), Wrap(group.Bounds.Right + dx));
    const auto down = Features(Wrap(group.Bounds.Top + dy), Wrap(group.Bounds.Bottom + dy));
    PointSnap snap{gridded, {}};
    if (const std::optional<qint32> shift = NearestShift(across, targets.X)) {
        snap.Point.X = Wrap(qint64(raw.X) + *shift);
        AddHeldLines(across, *shift, targets.X, snap.Lines.X);
    }
    if (const std::optional<qint32> shift = NearestShift(down, targets.Y)) {
        snap.Point.Y = Wrap(qint64(raw.Y) + *shift);
        AddHeldLines(down, *shift, targets.Y, snap.Lines.Y);
    }
    return snap;
}

PointSnap SnapEdgesToGuides(CanvasPoint p, bool snapX, bool snapY, const GuideTargets& targets) {
    PointSnap snap{p, {}};
    if (snapX) {
        if (const std::optional<qint32> shift = NearestShift(std::array{p.X}, targets.X)) {
            snap.Point.X = Wrap(qint64(p.X) + *shift);
            snap.Lines.X.push_back(snap.Point.X);
        }
    }
    if (snapY) {
        if (const std::optional<qint32> shift = NearestShift(std::array{p.Y}, targets.Y)) {
            snap.Point.Y = Wrap(qint64(p.Y) + *shift);
            snap.Lines.Y.push_back(snap.Point.Y);
        }
    }
    return snap;
}

PointSnap SnapBandCorner(CanvasPoint p, const GridSnapping& grid, const GuideTargets& targets) {
    PointSnap snap = SnapEdgesToGuides(p, true, true, targets);
    const CanvasPoint gridded = SnapPoint(p, grid);
    if (snap.Lines.X.empty())
        snap.Point.X = gridded.X;
    if (snap.Lines.Y.empty())
        snap.Point.Y = gridded.Y;
    return snap;
}

GuideLines MergedLines(GuideLines a, const GuideLines& b) {
    a.X.insert(a.X.end(), b.X.begin(), b.X.end());
    a.Y.insert(a.Y.end(), b.Y.begin(), b.Y.end());
    SortUnique(a.X);
    SortUnique(a.Y);
    return a;
}

} // namespace volmar
