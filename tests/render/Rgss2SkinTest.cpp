#include "render/Fonts.h"
#include "render/SkinLayout.h"
#include "render/SkinLoader.h"
#include "render/SkinRenderer.h"
#include "support/WindowItems.h"

#include <gtest/gtest.h>

namespace {

// Along a side of n pixels: corners of 16 at each end, the 32 between repeated.
int FrameCoordinate(int v, int n) {
    return v < 16 ? v : v >= n - 16 ? 48 + v - (n - 16) : 16 + (v - 16) % 32;
}

QRgb ModelPixel(const QImage& skin, int w, int h, int x, int y) {
    QRgb p = qRgb(255, 255, 255);
    const auto over = [&](int sx, int sy) {
        const QRgb s = skin.pixel(sx, sy);
        const int a = qAlpha(s);
        const auto mix = [a](int c, int b) { return (c * a + (255 - a) * b + 255) / 256; };
        p = qRgb(mix(qRed(s), qRed(p)), mix(qGreen(s), qGreen(p)), mix(qBlue(s), qBlue(p)));
    };
    if (x >= 2 && y >= 2 && x < w - 2 && y < h - 2) {
        over((x - 2) * 64 / (w - 4), (y - 2) * 64 / (h - 4));
        over((x - 2) % 64, 64 + (y - 2) % 64);
    }
    const int fx = FrameCoordinate(x, w), fy = FrameCoordinate(y, h);
    if (fx < 16 || fx >= 48 || fy < 16 || fy >= 48)
        over(64 + fx, fy);
    return p;
}

} // namespace

TEST(Rgss2Skin, WindowsMatchTheModelAtEdgesAndSeams) {
    QImage skin(128, 128, QImage::Format_ARGB32);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            skin.setPixel(x, y,
                          qRgba(x * 2, y * 2, (x * 7 + y * 13) & 255,
                                std::array{0, 255, 128, 37}[size_t(x * 3 + y) % 4]));
    // 32/33; seams at the edge (68/69, 160/161); off the canvas; too large to keep.
    const QRect windows[] = {{10, 10, 32, 32},    {60, 10, 33, 32},    {110, 10, 32, 33},
                             {160, 10, 68, 69},   {240, 10, 69, 68},   {320, 10, 161, 160},
                             {10, 200, 160, 161}, {-37, 400, 161, 99}, {-1000, 300, 3000, 70}};
    for (const QRect& r : windows) {
        QImage canvas(640, 480, QImage::Format_RGB32);
        canvas.fill(qRgb(0, 255, 0));
        volmar::DrawWindow(
            canvas, skin,
            volmar::test::MakeWindow({}, r.left(), r.top(), r.right() + 1, r.bottom() + 1),
            volmar::WindowLabelFont(), QRect(), volmar::WindowLook{false});
        for (int y = std::max(0, r.top() - 1); y <= std::min(479, r.bottom() + 1); ++y)
            for (int x = std::max(0, r.left() - 1); x <= std::min(639, r.right() + 1); ++x) {
                const QRgb expected = r.contains(x, y) ? ModelPixel(skin, r.width(), r.height(),
                                                                    x - r.left(), y - r.top())
                                                       : qRgb(0, 255, 0);
                ASSERT_EQ(canvas.pixel(x, y), expected)
                    << r.width() << "x" << r.height() << " at " << x << "," << y;
            }
    }
}

TEST(Rgss2Skin, LayoutOfSize) {
    using L = volmar::SkinLayout;
    const std::pair<QSize, std::optional<L>> cases[] = {
        {{192, 128}, L::Rgss1}, {{193, 128}, {}}, {{192, 129}, {}}, {{191, 128}, {}},
        {{128, 128}, L::Rgss2}, {{129, 128}, {}}, {{128, 129}, {}}, {{0, 0}, {}}};
    for (const auto& [size, layout] : cases) {
        EXPECT_EQ(volmar::SkinLayoutOfSize(size), layout) << size.width() << "x" << size.height();
        EXPECT_EQ(volmar::SkinSizeProblem(size).isEmpty(), layout.has_value());
    }
    EXPECT_EQ(volmar::SkinSizeProblem({64, 48}),
              QStringLiteral(
                  u"ウインドウスキンの大きさ (64x48) は 192x128 でも 128x128 でもありません。"));
}

TEST(Rgss2Skin, BuiltInTwinIsA128SkinWithAlpha) {
    const QImage twin = volmar::LoadBuiltInSkin(volmar::Runtime::Rgss2);
    EXPECT_EQ(twin.size(), QSize(128, 128));
    EXPECT_EQ(volmar::DrawnSkinLayout(twin), volmar::SkinLayout::Rgss2);
    EXPECT_EQ(qAlpha(twin.pixel(64 + 20, 20)), 0); // the frame's middle, beside its arrows
    EXPECT_EQ(volmar::LoadBuiltInSkin(volmar::Runtime::Rgss3), twin);
}
