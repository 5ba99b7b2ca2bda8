#pragma once

#include <QImage>
#include <QRgb>

namespace volmar {

// The skin image made ready for drawing windows: at least 192 by 128 pixels of
// 32-bit RGB, where everything outside the given picture (a smaller or empty
// skin) reads as white, and the key colour taken from pixel (144, 16).
// Pixels are returned with an opaque alpha byte, so colours compare whole.
class PreparedSkin {
public:
    explicit PreparedSkin(const QImage& skin);

    QRgb Key() const { return key_; }
    const QRgb* Row(int y) const { return reinterpret_cast<const QRgb*>(image_.constScanLine(y)); }

private:
    QImage image_;
    QRgb key_;
};

} // namespace volmar
