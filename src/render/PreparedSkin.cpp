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

} // namespace

PreparedSkin::PreparedSkin(const QImage& skin)
    : image_(IsUsableAsIs(skin) ? skin : PadWithWhite(skin)),
      key_(Row(kSkinKeyY)[kSkinKeyX] | 0xFF000000u), identity_(skin.cacheKey()) {}

} // namespace volmar
