#pragma once

#include <QRgb>

#include <cstddef>

namespace volmar {

// A colour sample s with alpha a drawn onto white:
// (s * a + (255 - a) * 255 + 255) / 256, rounded down. Alpha 255 keeps s,
// alpha 0 gives white.
inline uint FlattenSample(uint s, uint a) {
    return (s * a + (255 - a) * 255 + 255) >> 8;
}

// The same onto a background sample bg: (s * a + (255 - a) * bg + 255) / 256,
// rounded down; onto 255 it is FlattenSample.
inline uint FlattenSampleOnto(uint s, uint a, uint bg) {
    return (s * a + (255 - a) * bg + 255) >> 8;
}

inline QRgb OpaqueRgb(uint r, uint g, uint b) {
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

inline QRgb FlattenPixel(uint r, uint g, uint b, uint a) {
    return OpaqueRgb(FlattenSample(r, a), FlattenSample(g, a), FlattenSample(b, a));
}

// A pixel onto the opaque colour background.
inline QRgb FlattenPixelOnto(uint r, uint g, uint b, uint a, QRgb background) {
    return OpaqueRgb(FlattenSampleOnto(r, a, uint(qRed(background))),
                     FlattenSampleOnto(g, a, uint(qGreen(background))),
                     FlattenSampleOnto(b, a, uint(qBlue(background))));
}

// Draws `count` pixels stored as R, G, B, A bytes onto white, giving opaque
// QRgb values.
void FlattenRgbaRow(const uchar* rgba, size_t count, QRgb* out);

} // namespace volmar
