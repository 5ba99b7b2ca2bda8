#include "edit/NudgeStep.h"

#include "support/WindowItems.h"

#include <QUndoStack>

#include <gtest/gtest.h>

namespace volmar {
namespace {

// Moves the window one pixel right and pushes the nudge as the canvas does.
void Nudge(QUndoStack& stack, DesignDocument& document, TWindowItem* item, quint64 chain) {
    const CanvasRect before = BoundsOf(*item);
    const CanvasRect after{before.Left + 1, before.Top, before.Right + 1, before.Bottom};
    SetBounds(*item, after);
    stack.push(NudgeStep::FromApplied(document, {{item, before, after}}, chain).release());
}

// Runs of one chain merge only while they move the same windows.
TEST(NudgeStep, RunsOfOneChainOnOtherWindowsStayTwoSteps) {
    DesignDocument document;
    TWindowItem* a = document.Append(test::MakeWindow("a", 0, 0, 10, 10));
    TWindowItem* b = document.Append(test::MakeWindow("b", 0, 0, 10, 10));
    QUndoStack stack;
    Nudge(stack, document, a, 7);
    Nudge(stack, document, a, 7);
    EXPECT_EQ(stack.count(), 1);
    Nudge(stack, document, b, 7);
    EXPECT_EQ(stack.count(), 2);
    stack.undo();
    EXPECT_EQ(BoundsOf(*a), (CanvasRect{2, 0, 12, 10}));
    EXPECT_EQ(BoundsOf(*b), (CanvasRect{0, 0, 10, 10}));
}

} // namespace
} // namespace volmar
