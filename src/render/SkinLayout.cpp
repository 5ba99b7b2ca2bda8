#include "render/SkinLayout.h"

namespace volmar {

std::optional<SkinLayout> SkinLayoutOfSize(QSize size) {
    if (size == QSize(192, 128))
        return SkinLayout::Rgss1;
    if (size == QSize(128, 128))
        return SkinLayout::Rgss2;
    return std::nullopt;
}

SkinLayout DrawnSkinLayout(const QImage& skin) {
    if (skin.hasAlphaChannel() && SkinLayoutOfSize(skin.size()) == SkinLayout::Rgss2)
        return SkinLayout::Rgss2;
    return SkinLayout::Rgss1;
}

QString SkinSizeProblem(QSize size) {
    if (SkinLayoutOfSize(size))
        return {};
    return QStringLiteral(
               u"ウインドウスキンの大きさ (%1x%2) は 192x128 でも 128x128 でもありません。")
        .arg(size.width())
        .arg(size.height());
}

} // namespace volmar
