#include "render/CanvasPainter.h"
#include "TestSkins.h"
#include "render/Fonts.h"
#include "render/SkinRenderer.h"

#include <gtest/gtest.h>

using volmar::EditorDisplayState;

namespace {

constexpr QRgb kWhiteDot = 0xFFFFFFFFu;
constexpr QRgb kBlackCanvas = 0xFF000000u;

QImage Painted(const EditorDisplayState& state, const volmar::DesignDocument& doc = {},
               const QRect& clip = QRect()) {
    QImage canvas(640, 480, QImage::Format_RGB32);
    canvas.fill(0xFF123456u);
    volmar::PaintCanvas(canvas, state, testskins::FlatSkin(), doc, volmar::WindowLabelFont(), clip);
    return canvas;
}

// The columns and rows that hold at least one pixel of the given colour.
struct Dots {
    std::vector<int> Columns, Rows;
    int Count = 0;
};

Dots Find(const QImage& canvas, QRgb colour) {
    Dots dots;
    std::vector<bool> cols(640), rows(480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (canvas.pixel(x, y) == colour) {
                ++dots.Count;
                cols[x] = rows[y] = true;
            }
    for (int x = 0; x < 640; ++x)
        if (cols[x])
            dots.Columns.push_back(x);
    for (int y = 0; y < 480; ++y)
        if (rows[y])
            dots.Rows.push_back(y);
    return dots;
}

TEST(CanvasPainter, DefaultGridIs64By48WhiteDotsOnBlack) {
    const QImage canvas = Painted({});
    const Dots dots = Find(canvas, kWhiteDot);
    EXPECT_EQ(dots.Count, 64 * 48);
    EXPECT_EQ(Find(canvas, kBlackCanvas).Count, 640 * 480 - 64 * 48);
    ASSERT_EQ(dots.Columns.size(), 64u);
    ASSERT_EQ(dots.Rows.size(), 48u);
    EXPECT_EQ(dots.Columns.front(), 0);
    EXPECT_EQ(dots.Columns.back(), 630);
    EXPECT_EQ(dots.Rows.back(), 470);
    EXPECT_EQ(canvas.pixel(630, 470), kWhiteDot);
    EXPECT_EQ(canvas.pixel(631, 470), kBlackCanvas);
}

TEST(CanvasPainter, OddSpacingsAndSingleRow) {
    EditorDisplayState state;
    state.GridX = 7;
    state.GridY = 480;
    state.FormColor = 0x00FF0000; // blue
    state.GridColor = 0x000000FF; // red
    const QImage canvas = Painted(state);
    const Dots dots = Find(canvas, 0xFFFF0000u);
    EXPECT_EQ(dots.Rows, std::vector<int>{0});
    EXPECT_EQ(dots.Columns.size(), 92u);
    EXPECT_EQ(dots.Columns.back(), 637);
    EXPECT_EQ(Find(canvas, 0xFF0000FFu).Count, 640 * 480 - 92);
}

TEST(CanvasPainter, HiddenGridOrUnusableSpacingShowsOnlyBackground) {
    EditorDisplayState hidden;
    hidden.GridVisible = false;
    EXPECT_EQ(Find(Painted(hidden), kBlackCanvas).Count, 640 * 480);
    for (const auto& [gx, gy] : {std::pair{0, 10}, {10, 0}, {-5, -5}}) {
        EditorDisplayState bad;
        bad.GridX = gx;
        bad.GridY = gy;
        EXPECT_EQ(Find(Painted(bad), kBlackCanvas).Count, 640 * 480);
    }
    EditorDisplayState huge;
    huge.GridX = huge.GridY = INT32_MAX;
    EXPECT_EQ(Find(Painted(huge), kWhiteDot).Count, 1);
}

TEST(CanvasPainter, WindowsCoverGridInDocumentOrder) {
    volmar::DesignDocument doc;
    TWindowItem back;
    back.Left = 0, back.Top = 0, back.Right = 200, back.Bottom = 100;
    TWindowItem front = back;
    front.Left = 100, front.Right = 300;
    doc.Append(back);
    doc.Append(front);
    QImage expected(640, 480, QImage::Format_RGB32);
    expected.fill(kBlackCanvas);
    for (int y = 0; y < 480; y += 10)
        for (int x = 0; x < 640; x += 10)
            expected.setPixel(x, y, kWhiteDot);
    for (const auto& item : doc)
        volmar::DrawWindow(expected, testskins::FlatSkin(), *item, volmar::WindowLabelFont());
    EXPECT_EQ(Painted({}, doc), expected);
    EXPECT_EQ(Painted({}, doc).pixel(100, 50), testskins::kLightBlue); // front's left border
}

TEST(CanvasPainter, ClipLimitsTheRepaint) {
    volmar::DesignDocument doc;
    TWindowItem w;
    w.Left = 5, w.Top = 5, w.Right = 300, w.Bottom = 200;
    doc.Append(w);
    const QRect clip(20, 30, 100, 50);
    const QImage clipped = Painted({}, doc, clip);
    const QImage full = Painted({}, doc);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(clipped.pixel(x, y), clip.contains(x, y) ? full.pixel(x, y) : 0xFF123456u);
}

} // namespace
