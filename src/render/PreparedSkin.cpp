#include "render/PreparedSkin.h"

#include "render/SkinPieces.h"

#include <algorithm>

namespace volmar {

namespace {

bool IsUsableAsIs(const QImage& skin) {
    return skin.format() == QImage::Format_RGB32 && skin.width() >= kSkinWidth &&
           skin.height() >= kSkinHeight;
}

// A white canvas of at least the skin layout's size with the picture at (0, 0).
QImage PadWithWhite(const QImage& skin) {
    const QImage rgb = skin.isNull() ? skin : skin.convertToFormat(QImage::Format_RGB32);
    QImage padded(std::max(rgb.width(), kSkinWidth), std::max(rgb.height(), kSkinHeight),
                  QImage::Format_RGB32);
    padded.fill(Qt::white);
    const qsizetype rowBytes = qsizetype(rgb.width()) * 4;
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), rowBytes, padded.scanLine(y));
    return padded;
}

QImage Prepared(const QImage& skin, SkinLayout layout) {
    if (layout == SkinLayout::Rgss2)
        return skin.convertToFormat(QImage::Format_ARGB32);
    return IsUsableAsIs(skin) ? skin : PadWithWhite(skin);
}

} // namespace

PreparedSkin::PreparedSkin(const QImage& skin)
    : layout_(DrawnSkinLayout(skin)), image_(Prepared(skin, layout_)),
      key_(layout_ == SkinLayout::Rgss2 ? 0 : Row(kSkinKeyY)[kSkinKeyX] | 0xFF000000u),
      identity_(skin.cacheKey()) {}

} // namespace volmar
