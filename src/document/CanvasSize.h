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

} // namespace volmar
