#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace volmar {

// The two ways a window skin is laid out. Rgss1: 192x128, a 128x128
// background stretched over the window and a 64x64 frame whose edges are
// stretched. Rgss2 (RGSS2 and RGSS3 alike): 128x128, a 64x64 background
// stretched with a 64x64 pattern tiled over it, and a 64x64 frame whose edges
// are tiled, drawn with the skin's alpha.
enum class SkinLayout { Rgss1, Rgss2 };

// The layout a skin of this size is made for; none for any other size.
std::optional<SkinLayout> SkinLayoutOfSize(QSize size);

// The layout a skin image is drawn in. The loader keeps the alpha of a
// 128x128 skin (SkinLoader.h), and only such a picture is drawn the Rgss2
// way; every opaque skin image, whatever its size, is drawn as a 192x128 one,
// reading white outside the picture.
SkinLayout DrawnSkinLayout(const QImage& skin);

// The report for a skin of a size neither layout has, e.g.
// "ウインドウスキンの大きさ (64x64) は 192x128 でも 128x128 でもありません。";
// empty for a size that fits one of them.
QString SkinSizeProblem(QSize size);

} // namespace volmar
