#pragma once

#include <QtGlobal>

namespace volmar {

// The size of the design canvas in canvas pixels: the game screen the
// windows are laid out on.
struct CanvasSize {
    qint32 Width = 640;
    qint32 Height = 480;

    friend bool operator==(const CanvasSize&, const CanvasSize&) = default;
};

// The canvas of a new document and of every file that names no other.
inline constexpr CanvasSize kDefaultCanvas{};

// No side of a canvas is longer than this.
inline constexpr qint32 kLongestCanvasSide = 4096;
inline constexpr CanvasSize kLargestCanvas{kLongestCanvasSide, kLongestCanvasSide};

} // namespace volmar
