// The main window's answers to its frames: write-back, group moves,
// click-through, hints and the double-click.
#include "CanvasFixture.h"

#include <QAction>
#include <QSignalSpy>

namespace volmar::test {
namespace {

using Edges4 = std::array<qint32, 4>;
using Items = std::vector<const TWindowItem*>;

TEST_F(CanvasTest, MovingAFrameShowsItsPositionAndMovesTheWindow) {
    TWindowItem* a = Add(QStringLiteral("a"), 100, 50, 300, 150);
    Select({a});
    MoveTo(QPoint(150, 80));
    Press(QPoint(150, 80));
    MoveTo(QPoint(93, 154)); // left 43, top 124, snapped to 40, 120
    EXPECT_TRUE(HintShown());
    EXPECT_EQ(HintText(), QStringLiteral("40\u00D7120"));
    EXPECT_EQ(form->HintFormWnd->pos(), OnScreen(QPoint(93, 154)) + QPoint(0, 20));
    EXPECT_EQ(Edges(a), (Edges4{40, 120, 240, 220}));
    Release(QPoint(93, 154));
    EXPECT_FALSE(HintShown());
}

TEST_F(CanvasTest, DraggingAHandleShowsTheWindowSizeNotTheFrameSize) {
    TWindowItem* a = Add(QStringLiteral("a"), 100, 50, 250, 150); // frame 105 high
    Select({a});
    MoveTo(QPoint(247, 152)); // bottom-right handle of the frame
    Press(QPoint(247, 152));
    MoveTo(QPoint(300, 155));
    EXPECT_EQ(HintText(), QStringLiteral("200\u00D7100"));
    EXPECT_EQ(Edges(a), (Edges4{100, 50, 300, 150}));
    Release(QPoint(300, 155));
    EXPECT_FALSE(HintShown());
}

TEST_F(CanvasTest, AGroupMovesTogetherByTheSnappedDisplacement) {
    TWindowItem* a = Add(QStringLiteral("a"), 100, 50, 200, 150);
    TWindowItem* b = Add(QStringLiteral("b"), 303, 57, 400, 150);
    Select({a, b});
    MoveTo(QPoint(150, 80));
    Press(QPoint(150, 80));
    MoveTo(QPoint(163, 80)); // a: left 113, snapped to 110
    Release(QPoint(163, 80));
    EXPECT_EQ(Edges(a), (Edges4{110, 50, 210, 150}));
    EXPECT_EQ(Edges(b), (Edges4{313, 57, 410, 150}));
    EXPECT_EQ(Selected(), (Items{a, b}));
}

TEST_F(CanvasTest, APressWhereAnotherWindowLiesInFrontSelectsThatOne) {
    TWindowItem* back = Add(QStringLiteral("back"), 100, 100, 300, 200);
    TWindowItem* front = Add(QStringLiteral("front"), 150, 120, 250, 180);
    Select({back});
    MoveTo(QPoint(200, 150));
    Press(QPoint(200, 150));
    MoveTo(QPoint(230, 170));
    Release(QPoint(230, 170));
    EXPECT_EQ(Selected(), Items{front});
    EXPECT_EQ(Edges(back), (Edges4{100, 100, 300, 200}));
    EXPECT_EQ(Edges(front), (Edges4{150, 120, 250, 180}));
    ASSERT_EQ(FrameCount(), 1u);
    EXPECT_EQ(form->frames().front()->Tag(), front);
    EXPECT_EQ(form->WindowSelector->currentIndex(), 1);
}

TEST_F(CanvasTest, APressOnAHandleResizesEvenUnderAWindowInFront) {
    TWindowItem* back = Add(QStringLiteral("back"), 100, 100, 300, 200); // frame 200x105
    TWindowItem* front = Add(QStringLiteral("front"), 280, 130, 350, 180);
    Select({back});
    MoveTo(QPoint(297, 152)); // the right-edge handle, inside the front window
    Press(QPoint(297, 152));
    MoveTo(QPoint(320, 152));
    Release(QPoint(320, 152));
    EXPECT_EQ(Selected(), Items{back});
    EXPECT_EQ(Edges(back), (Edges4{100, 100, 320, 200}));
    EXPECT_EQ(Edges(front), (Edges4{280, 130, 350, 180}));
}

TEST_F(CanvasTest, APressOnTheStripBelowTheWindowIsSwallowed) {
    TWindowItem* a = Add(QStringLiteral("a"), 100, 100, 300, 200);
    Select({a});
    MoveTo(QPoint(150, 202));
    Press(QPoint(150, 202));
    MoveTo(QPoint(180, 260));
    Release(QPoint(180, 260));
    EXPECT_EQ(Selected(), Items{a});
    EXPECT_EQ(Edges(a), (Edges4{100, 100, 300, 200}));
}

TEST_F(CanvasTest, ADoubleClickOnAFrameRunsThePropertyCommandAndMovesNothing) {
    TWindowItem* a = Add(QStringLiteral("a"), 100, 100, 300, 200);
    Select({a});
    form->UpdateActions();
    QSignalSpy property(form->aacSelectProperty, &QAction::triggered);
    MoveTo(QPoint(150, 150));
    QTest::mouseDClick(Window(), Qt::LeftButton, {}, InWindow(QPoint(150, 150)));
    EXPECT_EQ(property.count(), 1);
    EXPECT_EQ(Edges(a), (Edges4{100, 100, 300, 200}));
}

} // namespace
} // namespace volmar::test
