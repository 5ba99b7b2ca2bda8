#pragma once

#include <QColor>
#include <QtGlobal>

namespace volmar {

// Colours are held as 0x00BBGGRR integers: 255 is red, 16777215 is white.
inline QColor ColorFromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline quint32 BgrFromColor(const QColor& c) {
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

inline QRgb RgbFromBgr(quint32 bgr) {
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace volmar
