// Drawing new windows on the canvas in window-creation mode.
#include "CanvasFixture.h"

#include <QComboBox>

namespace volmar::test {
namespace {

using Edges4 = std::array<qint32, 4>;

TEST_F(CanvasTest, ADragMakesAWindowFromTheSnappedBandInFrontAndUnselected) {
    TWindowItem* old = Add(QStringLiteral("old"), 100, 100, 200, 200);
    Select({old});
    dialogs.names.push_back(QStringLiteral("win"));

    MoveTo(QPoint(23, 47));
    Press(QPoint(23, 47));
    MoveTo(QPoint(75, 90));
    EXPECT_TRUE(form->isDragging());
    EXPECT_TRUE(HintShown());
    EXPECT_EQ(HintText(), QStringLiteral("50\u00D750"));
    EXPECT_EQ(form->HintFormWnd->pos(), OnScreen(QPoint(75, 90)) + QPoint(0, 20));
    const auto* band = form->WindowEditor->findChild<QWidget*>(QStringLiteral("RubberBand"));
    ASSERT_NE(band, nullptr);
    EXPECT_TRUE(band->isVisible());
    EXPECT_EQ(band->geometry(), QRect(20, 40, 50, 50));
    Release(QPoint(75, 90));

    EXPECT_FALSE(form->isDragging());
    EXPECT_FALSE(HintShown());
    EXPECT_FALSE(band->isVisible());
    EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("name")});
    ASSERT_EQ(form->document().Count(), 2);
    const TWindowItem* made = form->document().At(1);
    EXPECT_EQ(made->Name, QStringLiteral("win"));
    EXPECT_EQ(Edges(made), (Edges4{20, 40, 70, 90}));
    EXPECT_FALSE(made->Selected);
    // The earlier selection and its frame stay as they were.
    EXPECT_EQ(Selected(), std::vector<const TWindowItem*>{old});
    EXPECT_EQ(FrameCount(), 1u);
    EXPECT_EQ(form->WindowSelector->count(), 2);
    EXPECT_EQ(form->WindowSelector->currentIndex(), 0);
}

TEST_F(CanvasTest, ABandUnder32PixelsAsksNothingAndDeselects) {
    TWindowItem* old = Add(QStringLiteral("old"), 100, 100, 200, 200);
    Select({old});
    Drag(QPoint(23, 47), QPoint(51, 71)); // 30x30 after snapping
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(form->document().Count(), 1);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(FrameCount(), 0u);
    EXPECT_EQ(form->WindowSelector->currentIndex(), -1);
}

TEST_F(CanvasTest, AReversedDragMakesTheSameWindow) {
    dialogs.names.push_back(QStringLiteral("win"));
    Drag(QPoint(75, 90), QPoint(23, 47));
    ASSERT_EQ(form->document().Count(), 1);
    EXPECT_EQ(Edges(form->document().At(0)), (Edges4{20, 40, 70, 90}));
}

TEST_F(CanvasTest, CancelOrAnEmptyNameKeepsDocumentAndSelection) {
    TWindowItem* old = Add(QStringLiteral("old"), 100, 100, 200, 200);
    Select({old});
    Drag(QPoint(300, 300), QPoint(400, 400)); // no answer queued: Cancel
    dialogs.names.push_back(QString());
    Drag(QPoint(300, 300), QPoint(400, 400));
    EXPECT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(form->document().Count(), 1);
    EXPECT_EQ(Selected(), std::vector<const TWindowItem*>{old});
    EXPECT_EQ(FrameCount(), 1u);
}

TEST_F(CanvasTest, ADragLeavingTheCanvasKeepsDeliveringAndIsNotClamped) {
    dialogs.names = {QStringLiteral("beyond"), QStringLiteral("before")};
    Drag(QPoint(600, 400), QPoint(733, 555));
    Drag(QPoint(30, 30), QPoint(-25, -17));
    ASSERT_EQ(form->document().Count(), 2);
    EXPECT_EQ(Edges(form->document().At(0)), (Edges4{600, 400, 730, 550}));
    EXPECT_EQ(Edges(form->document().At(1)), (Edges4{-20, -10, 30, 30}));
}

TEST_F(CanvasTest, WithoutSnappingTheWindowTakesThePointsAsGiven) {
    form->setSnap(false);
    dialogs.names.push_back(QStringLiteral("free"));
    Drag(QPoint(23, 47), QPoint(75, 90));
    ASSERT_EQ(form->document().Count(), 1);
    EXPECT_EQ(Edges(form->document().At(0)), (Edges4{23, 47, 75, 90}));
}

TEST_F(CanvasTest, StatusShowsTheUnsnappedPointerOverTheCanvasOnly) {
    MoveTo(QPoint(23, 47));
    EXPECT_EQ(Status(1), QStringLiteral("X:23"));
    EXPECT_EQ(Status(2), QStringLiteral("Y:47"));
    Press(QPoint(23, 47));
    MoveTo(QPoint(-3, 481));
    EXPECT_EQ(Status(1), QStringLiteral("X:-3"));
    EXPECT_EQ(Status(2), QStringLiteral("Y:481"));
    Release(QPoint(-3, 481));
    Select({Add(QStringLiteral("w"), 100, 100, 200, 200)});
    MoveTo(QPoint(150, 150)); // over the frame
    EXPECT_EQ(Status(1), QStringLiteral("X:-3"));
}

} // namespace
} // namespace volmar::test
