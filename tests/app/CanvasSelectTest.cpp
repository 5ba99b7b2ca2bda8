// Selecting windows on the canvas: presses, Shift, the right button, bands.
#include "CanvasFixture.h"

#include <QMenu>

namespace volmar::test {
namespace {

using Items = std::vector<const TWindowItem*>;

TEST_F(CanvasTest, APressSelectsAloneAndShiftPressAdds) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    TWindowItem* b = Add(QStringLiteral("b"), 200, 10, 300, 100);
    TWindowItem* c = Add(QStringLiteral("c"), 400, 10, 500, 100);
    Click(QPoint(50, 50));
    EXPECT_EQ(Selected(), Items{a});
    EXPECT_EQ(form->WindowSelector->currentIndex(), 0);
    Click(QPoint(250, 50), Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (Items{a, b}));
    ASSERT_EQ(FrameCount(), 2u);
    for (TQxGrabSize* frame : form->frames())
        EXPECT_EQ(frame->DrawMode(), QxGGMultiSelect);
    EXPECT_EQ(form->WindowSelector->currentIndex(), -1);
    Click(QPoint(450, 50));
    EXPECT_EQ(Selected(), Items{c});
    EXPECT_EQ(FrameCount(), 1u);
    EXPECT_EQ(form->WindowEditorBackPanel, QApplication::focusWidget());
}

TEST_F(CanvasTest, APressOnAnEdgeHitsNothingAndStartsADrag) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    Select({a});
    Click(QPoint(5, 10)); // left of the frame, on the window's top edge row
    EXPECT_TRUE(Selected().empty());
}

TEST_F(CanvasTest, ARightPressSelectsTheWindowAndTheContextMenuOpens) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    MoveTo(QPoint(50, 50));
    Press(QPoint(50, 50), Qt::RightButton);
    EXPECT_EQ(Selected(), Items{a});
    EXPECT_EQ(FrameCount(), 1u);
    EXPECT_TRUE(form->WindowEditorPopup->isVisible());
    form->WindowEditorPopup->close();
    EXPECT_FALSE(form->isDragging());
}

TEST_F(CanvasTest, ARightPressOnEmptyCanvasKeepsTheSelectionAndOpensTheMenu) {
    TWindowItem* a = Add(QStringLiteral("a"), 10, 10, 100, 100);
    Select({a});
    MoveTo(QPoint(300, 300));
    Press(QPoint(300, 300), Qt::RightButton);
    EXPECT_TRUE(form->WindowEditorPopup->isVisible());
    form->WindowEditorPopup->close();
    Release(QPoint(300, 300), Qt::RightButton);
    EXPECT_EQ(Selected(), Items{a});
    EXPECT_FALSE(form->isDragging());
}

TEST_F(CanvasTest, ABandSelectsWindowsOnItsEdgesButNotOnePixelOut) {
    TWindowItem* inside = Add(QStringLiteral("in"), 20, 20, 100, 100);
    Add(QStringLiteral("wide"), 20, 20, 101, 100);
    Add(QStringLiteral("high"), 19, 20, 100, 100);
    TWindowItem* elsewhere = Add(QStringLiteral("far"), 300, 300, 400, 400);
    Select({elsewhere});
    RangeSelectionMode();
    MoveTo(QPoint(20, 20));
    Press(QPoint(20, 20), Qt::LeftButton, Qt::ShiftModifier);
    MoveTo(QPoint(104, 107));
    EXPECT_FALSE(HintShown()); // no hint in range-selection mode
    Release(QPoint(104, 107)); // snapped to (100, 100)
    EXPECT_EQ(Selected(), Items{inside});
    EXPECT_EQ(FrameCount(), 1u);
    EXPECT_EQ(form->WindowSelector->currentIndex(), 0);
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(CanvasTest, AClickInRangeModeClearsTheSelection) {
    TWindowItem* a = Add(QStringLiteral("a"), 20, 20, 100, 100);
    Select({a});
    RangeSelectionMode();
    Click(QPoint(300, 300));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(FrameCount(), 0u);
}

} // namespace
} // namespace volmar::test
