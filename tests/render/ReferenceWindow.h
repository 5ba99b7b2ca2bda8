#pragma once

#include "document/WindowItem.h"
#include "render/WindowLabel.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

// A literal, slow composition of one window for comparison: the whole window
// image is built, piece by piece through real piece images, then copied.
// Only for small windows.
namespace reference {

inline QRgb SkinPixel(const QImage& skin, int x, int y) {
    return skin.valid(x, y) ? (skin.pixel(x, y) | 0xFF000000u) : 0xFFFFFFFFu;
}

inline QImage Cut(const QImage& skin, int x0, int y0, int w, int h) {
    QImage piece(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            piece.setPixel(x, y, SkinPixel(skin, x0 + x, y0 + y));
    return piece;
}

inline QImage Scale(const QImage& source, int w, int h) {
    QImage scaled(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            scaled.setPixel(x, y,
                            source.pixel(int(qint64(x) * source.width() / w),
                                         int(qint64(y) * source.height() / h)));
    return scaled;
}

inline void DrawKeyed(QImage& window, const QImage& piece, int l, int t, int r, int b, QRgb key) {
    if (r <= l || b <= t)
        return;
    const QImage scaled = Scale(piece, r - l, b - t);
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x)
            if (window.valid(l + x, t + y) && scaled.pixel(x, y) != key)
                window.setPixel(l + x, t + y, scaled.pixel(x, y));
}

inline QImage Window(const QImage& skin, int w, int h, const QString& name, const QFont& font) {
    QImage window(w, h, QImage::Format_RGB32);
    window.fill(Qt::white);
    const QRgb key = SkinPixel(skin, 144, 16);
    DrawKeyed(window, Cut(skin, 0, 0, 128, 128), 2, 2, w - 2, h - 2, key);
    DrawKeyed(window, Cut(skin, 128, 0, 16, 16), 0, 0, 16, 16, key);
    DrawKeyed(window, Cut(skin, 176, 0, 16, 16), w - 16, 0, w, 16, key);
    DrawKeyed(window, Cut(skin, 128, 48, 16, 16), 0, h - 16, 16, h, key);
    DrawKeyed(window, Cut(skin, 176, 48, 16, 16), w - 16, h - 16, w, h, key);
    DrawKeyed(window, Scale(Cut(skin, 128, 16, 16, 16), 16, 32), 0, 16, 16, h - 16, key);
    DrawKeyed(window, Scale(Cut(skin, 176, 16, 16, 16), 16, 32), w - 16, 16, w, h - 16, key);
    DrawKeyed(window, Scale(Cut(skin, 144, 0, 16, 16), 32, 16), 16, 0, w - 16, 16, key);
    DrawKeyed(window, Scale(Cut(skin, 144, 48, 16, 16), 32, 16), 16, h - 16, w - 16, h, key);
    const QString text = volmar::WindowLabelText(name);
    const QFontMetrics metrics(font, &window);
    const QRect box(10, 10, metrics.horizontalAdvance(text), metrics.height());
    QPainter painter(&window);
    painter.setClipRect(box);
    painter.fillRect(box, Qt::white);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(10, 10 + metrics.ascent()), text);
    return window;
}

// The canvas after copying the reference window onto it at (left, top).
inline QImage OntoCanvas(QImage canvas, const QImage& skin, const TWindowItem& item,
                         const QFont& font) {
    const int w = item.Right - item.Left;
    const int h = item.Bottom - item.Top;
    if (w <= 0 || h <= 0)
        return canvas;
    const QImage window = Window(skin, w, h, item.Name, font);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (canvas.valid(item.Left + x, item.Top + y))
                canvas.setPixel(item.Left + x, item.Top + y, window.pixel(x, y));
    return canvas;
}

} // namespace reference
