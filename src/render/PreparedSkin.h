#pragma once

#include "render/SkinLayout.h"

#include <QImage>
#include <QRgb>

namespace volmar {

// The skin image made ready for drawing windows: at least 192 by 128 pixels of
// 32-bit RGB, where everything outside the given picture (a smaller or empty
// skin) reads as white, and the key colour taken from pixel (144, 16).
// The key has an opaque alpha byte: compare pixels with theirs set.
// A skin drawn in the Rgss2 layout (SkinLayout.h) is kept as it is instead,
// 128x128 pixels of straight ARGB, and has no key colour (0).
class PreparedSkin {
public:
    explicit PreparedSkin(const QImage& skin);

    SkinLayout Layout() const { return layout_; }
    QRgb Key() const { return key_; }
    // Identifies the skin picture's contents: it changes whenever the picture does.
    qint64 Identity() const { return identity_; }
    const QRgb* Row(int y) const { return reinterpret_cast<const QRgb*>(image_.constScanLine(y)); }

private:
    SkinLayout layout_;
    QImage image_;
    QRgb key_;
    qint64 identity_;
};

} // namespace volmar
