#pragma once

#include <QImage>
#include <QRect>

// Skin images made in test code, in the layout of a window skin.
namespace testskins {

inline constexpr QRgb kPurple = 0xFF800080u;    // (128,0,128)
inline constexpr QRgb kLightBlue = 0xFF6FAFFFu; // (111,175,255)
inline constexpr QRgb kWhite = 0xFFFFFFFFu;
inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kRed = 0xFFFF0000u;

inline void FillRect(QImage& image, const QRect& r, QRgb colour) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            image.setPixel(x, y, colour);
}

// Background (0,0,128,128) purple; frame area (128,0,192,64) white with a
// 5-pixel light blue border on its four outer sides; the rest white. Windows
// show a light blue border around a purple interior.
inline QImage FlatSkin() {
    QImage skin(192, 128, QImage::Format_RGB32);
    skin.fill(kWhite);
    FillRect(skin, QRect(0, 0, 128, 128), kPurple);
    for (int y = 0; y < 64; ++y)
        for (int x = 128; x < 192; ++x)
            if (x <= 132 || x >= 187 || y <= 4 || y >= 59)
                skin.setPixel(x, y, kLightBlue);
    return skin;
}

// Background purple, frame area entirely white (the key colour): windows show
// a white 2-pixel margin around a purple interior.
inline QImage PlainFrame() {
    QImage skin(192, 128, QImage::Format_RGB32);
    skin.fill(kWhite);
    FillRect(skin, QRect(0, 0, 128, 128), kPurple);
    return skin;
}

// Every background pixel says where it came from: (x, y, 7).
inline QRgb BackgroundCode(int x, int y) {
    return qRgb(x, y, 7);
}

// Each of the eight frame squares in its own colour, the background coded
// by position, the frame's middle (and key pixel) white.
struct PieceColours {
    static constexpr QRgb TopLeft = 0xFF010101u, TopRight = 0xFF020202u, BottomLeft = 0xFF030303u,
                          BottomRight = 0xFF040404u, Left = 0xFF050505u, Right = 0xFF060606u,
                          Top = 0xFF070707u, Bottom = 0xFF080808u;
};

inline QImage Pieces() {
    QImage skin(192, 128, QImage::Format_RGB32);
    skin.fill(kWhite);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            skin.setPixel(x, y, BackgroundCode(x, y));
    using C = PieceColours;
    FillRect(skin, QRect(128, 0, 16, 16), C::TopLeft);
    FillRect(skin, QRect(176, 0, 16, 16), C::TopRight);
    FillRect(skin, QRect(128, 48, 16, 16), C::BottomLeft);
    FillRect(skin, QRect(176, 48, 16, 16), C::BottomRight);
    FillRect(skin, QRect(128, 16, 16, 16), C::Left);
    FillRect(skin, QRect(176, 16, 16, 16), C::Right);
    FillRect(skin, QRect(144, 0, 16, 16), C::Top);
    FillRect(skin, QRect(144, 48, 16, 16), C::Bottom);
    return skin;
}

// Every pixel of the frame area coded by position too (never white), so the
// pixel each destination takes can be told apart; the key pixel stays white.
inline QImage Coded() {
    QImage skin(192, 128, QImage::Format_RGB32);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 192; ++x)
            skin.setPixel(x, y, qRgb(x, y, x < 128 ? 7 : 9));
    skin.setPixel(144, 16, kWhite);
    return skin;
}

} // namespace testskins
