#pragma once

#include <QRect>
#include <QRgb>

#include <array>

namespace volmar {

// What a grab-handle frame paints: solid rectangles of one opaque colour, in
// the frame's own coordinates and already cut to its widget.
struct FramePicture {
    static constexpr int kMaxRects = 12; // four outline edges, eight handles

    QRgb Color = 0;
    std::array<QRect, kMaxRects> Rects{};
    int Count = 0;

    void Add(const QRect& rect) {
        if (!rect.isEmpty())
            Rects[static_cast<size_t>(Count++)] = rect;
    }
};

} // namespace volmar
