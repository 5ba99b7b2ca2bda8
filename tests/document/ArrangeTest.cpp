// The align, size and spacing rules on rectangles. The commands themselves,
// with the reference window and undo, are tested through the main window.
#include "document/Arrange.h"
#include "document/ArrangeSelection.h"
#include "document/DesignDocument.h"

#include "support/WindowItems.h"

#include <gtest/gtest.h>

#include <limits>

using namespace volmar;

namespace {

constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

using Rects = std::vector<CanvasRect>;

} // namespace

// Moves stop where an edge would leave the int32 range, keeping the size;
// sizes stop at the range's end. Reference first in every case.
TEST(Arrange, EdgesStayInsideTheInt32Range) {
    EXPECT_EQ(CentreOf(kMin, kMax), -1);
    EXPECT_EQ(CentreOf(kMax, kMax), kMax);
    const struct {
        AlignLine line;
        CanvasRect moved, expected;
    } aligned[] = {
        {AlignLine::Left, {0, 0, 100, 10}, {kMax - 100, 0, kMax, 10}},
        {AlignLine::HorizontalCentre, {0, 0, 10, 10}, {kMax - 10, 0, kMax, 10}},
        {AlignLine::Top, {0, kMin, 10, kMax}, {0, kMin, 10, kMax}},
    };
    const CanvasRect reference{kMax - 10, kMax - 10, kMax, kMax};
    for (const auto& c : aligned)
        EXPECT_EQ(AlignRects(Rects{reference, c.moved}, 0, c.line)[1], c.expected);

    const Rects huge = {{kMin, 0, kMax, 10}, {5, 0, 10, 10}};
    EXPECT_EQ(MatchSizes(huge, 0, Axis::Horizontal)[1], (CanvasRect{5, 0, kMax, 10}));
    // An unnormalised reference passes its negative width on.
    const Rects turned = {{50, 0, 40, 10}, {0, 0, 5, 5}};
    EXPECT_EQ(MatchSizes(turned, 0, Axis::Horizontal)[1], (CanvasRect{0, 0, -10, 5}));
}

TEST(Arrange, SpacingKeepsTheOutermostAndSharesTheGaps) {
    const struct {
        const char* what;
        Axis axis;
        Rects rects, expected;
    } cases[] = {
        {"20 over 3 gaps: 7, 7, 6",
         Axis::Horizontal,
         {{0, 0, 10, 5}, {12, 0, 22, 5}, {13, 0, 23, 5}, {50, 0, 60, 5}},
         {{0, 0, 10, 5}, {17, 0, 27, 5}, {34, 0, 44, 5}, {50, 0, 60, 5}}},
        {"overlap, -5 over 3 gaps: -1, -2, -2",
         Axis::Horizontal,
         {{0, 0, 20, 5}, {1, 0, 11, 5}, {2, 0, 12, 5}, {35, 0, 45, 5}},
         {{0, 0, 20, 5}, {19, 0, 29, 5}, {27, 0, 37, 5}, {35, 0, 45, 5}}},
        {"negative, ordered by top and not by list",
         Axis::Vertical,
         {{0, 100, 10, 130}, {0, -50, 10, -30}, {0, -40, 10, -20}},
         {{0, 100, 10, 130}, {0, -50, 10, -30}, {0, 25, 10, 45}}},
        {"equal lefts keep the list order",
         Axis::Horizontal,
         {{0, 0, 10, 10}, {0, 20, 10, 30}, {40, 0, 50, 10}},
         {{0, 0, 10, 10}, {20, 20, 30, 30}, {40, 0, 50, 10}}},
        {"two stay as they are",
         Axis::Horizontal,
         {{0, 0, 10, 10}, {50, 0, 60, 10}},
         {{0, 0, 10, 10}, {50, 0, 60, 10}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpaceEvenly(c.rects, c.axis), c.expected) << c.what;
}

// Even and odd sums on both sides of zero.
TEST(Arrange, CentresRoundTowardNegativeInfinity) {
    const struct {
        qint32 a, b;
        qint64 centre;
    } cases[] = {{-40, 0, -20}, {-41, 0, -21}, {-1, 0, -1}, {0, 0, 0}, {1, 0, 0}, {40, 1, 20}};
    for (const auto& c : cases)
        EXPECT_EQ(CentreOf(c.a, c.b), c.centre) << c.a << " " << c.b;
}

// The window picked last counts only while it is still selected and listed.
TEST(Arrange, ReferenceFallsBackToTheFrontMostSelected) {
    DesignDocument document;
    TWindowItem* back = document.Append(test::MakeWindow("back", 0, 0, 10, 10, true));
    TWindowItem* picked = document.Append(test::MakeWindow("picked", 0, 0, 10, 10));
    TWindowItem* front = document.Append(test::MakeWindow("front", 0, 0, 10, 10, true));
    document.Append(test::MakeWindow("unselected", 0, 0, 10, 10));
    const TWindowItem gone = test::MakeWindow("gone", 0, 0, 10, 10, true);
    EXPECT_EQ(ArrangeReference(document, picked), front);
    EXPECT_EQ(ArrangeReference(document, &gone), front);
    EXPECT_EQ(ArrangeReference(document, back), back);
    picked->Selected = true;
    EXPECT_EQ(ArrangeReference(document, picked), picked);
    document.SetAllSelected(false);
    EXPECT_EQ(ArrangeReference(document, picked), nullptr);
}
