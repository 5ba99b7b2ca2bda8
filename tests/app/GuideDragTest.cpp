// Snapping to other windows with real pointer events: the frame lands on the
// guide, the line shows while it holds and goes on release, one undo step.
#include "CanvasFixture.h"

#include "render/GuideLinePainter.h"

namespace volmar::test {
namespace {

using Edges4 = std::array<qint32, 4>;

using GuideDragTest = CanvasTest;

TEST_F(GuideDragTest, AMovedFrameSnapsToAGuideAndItsLineShowsUntilTheRelease) {
    const auto pixel = [this](int x, int y) {
        form->WindowEditor->repaint();
        return form->WindowEditor->Buffer().pixel(x, y);
    };
    TWindowItem* a = Add(QStringLiteral("a"), 100, 50, 300, 150);
    Add(QStringLiteral("b"), 400, 300, 500, 400);
    form->aacSnapToWindows->trigger();
    Select({a});
    MoveTo(QPoint(150, 80));
    Press(QPoint(150, 80));
    // a's bottom would be 297, 3 above b's top; across no guide is in reach.
    MoveTo(QPoint(256, 227));
    EXPECT_EQ(Edges(a), (Edges4{200, 200, 400, 300}));
    EXPECT_EQ(pixel(15, 300), kGuideLineColour);
    EXPECT_EQ(pixel(15, 299), 0xFF000000u);
    Release(QPoint(256, 227));
    EXPECT_TRUE(form->guideLines().IsEmpty());
    EXPECT_EQ(pixel(15, 300), 0xFF000000u);
    EXPECT_EQ(form->undoStack().count(), 1);
}

TEST_F(GuideDragTest, HandlesAndBandsSnapOnlyWhileTheToggleIsOn) {
    TWindowItem* a = Add(QStringLiteral("a"), 100, 100, 250, 150); // frame 150x55
    form->aacSnapToWindows->trigger();
    Select({a});
    MoveTo(QPoint(247, 127)); // the right-edge handle
    Press(QPoint(247, 127));
    MoveTo(QPoint(636, 127)); // the right edge 4 short of the canvas's
    Release(QPoint(636, 127));
    EXPECT_EQ(Edges(a), (Edges4{100, 100, 640, 150}));

    // A band's corners: a guide across (x 100, the canvas centre 320), the
    // grid down; off again, the grid alone.
    dialogs.names = {QStringLiteral("b"), QStringLiteral("c")};
    Drag(QPoint(103, 203), QPoint(316, 284));
    form->aacSnapToWindows->trigger();
    ASSERT_FALSE(form->displayState().SnapToWindows);
    Drag(QPoint(103, 303), QPoint(316, 384));
    ASSERT_EQ(form->document().Count(), 3);
    EXPECT_EQ(Edges(form->document().At(1)), (Edges4{100, 200, 320, 280}));
    EXPECT_EQ(Edges(form->document().At(2)), (Edges4{100, 300, 310, 380}));
    EXPECT_TRUE(form->guideLines().IsEmpty());
}

} // namespace
} // namespace volmar::test
