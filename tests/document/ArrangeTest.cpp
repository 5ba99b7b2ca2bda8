#include "document/Arrange.h"
#include "document/ArrangeSelection.h"
#include "document/DesignDocument.h"

#include "support/WindowItems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <numeric>
#include <random>

using namespace volmar;
using volmar::test::MakeWindow;

namespace {

constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

using Rects = std::vector<CanvasRect>;

// A(10,10,50,40), B(30,60,90,100), C(-21,-5,0,24): the reference is picked
// from among them, one case with negative edges and an odd centre sum.
const Rects kThree = {{10, 10, 50, 40}, {30, 60, 90, 100}, {-21, -5, 0, 24}};

} // namespace

TEST(Arrange, FloorDivisionAndCentresRoundTowardNegativeInfinity) {
    const struct {
        qint64 a, b, q;
    } divisions[] = {{-5, 3, -2}, {5, 3, 1}, {-6, 3, -2}, {0, 3, 0}, {-1, 2, -1}, {7, 1, 7}};
    for (const auto& d : divisions)
        EXPECT_EQ(FloorDiv(d.a, d.b), d.q) << d.a << "/" << d.b;
    EXPECT_EQ(CentreOf(-21, 0), -11);
    EXPECT_EQ(CentreOf(kMin, kMax), -1);
    EXPECT_EQ(CentreOf(kMax, kMax), kMax);
}

TEST(Arrange, AlignMovesEveryRectangleOntoTheReferenceLine) {
    const struct {
        Rects rects;
        std::size_t reference;
        AlignLine line;
        Rects expected;
    } cases[] = {
        {kThree, 1, AlignLine::Left, {{30, 10, 70, 40}, {30, 60, 90, 100}, {30, -5, 51, 24}}},
        {kThree, 2, AlignLine::Right, {{-40, 10, 0, 40}, {-60, 60, 0, 100}, {-21, -5, 0, 24}}},
        {kThree, 1, AlignLine::Top, {{10, 60, 50, 90}, {30, 60, 90, 100}, {-21, 60, 0, 89}}},
        {kThree, 0, AlignLine::Bottom, {{10, 10, 50, 40}, {30, 0, 90, 40}, {-21, 11, 0, 40}}},
        // The reference's centre is floor(-21 / 2) = -11.
        {kThree,
         2,
         AlignLine::HorizontalCentre,
         {{-31, 10, 9, 40}, {-41, 60, 19, 100}, {-21, -5, 0, 24}}},
        {kThree,
         1,
         AlignLine::VerticalCentre,
         {{10, 65, 50, 95}, {30, 60, 90, 100}, {-21, 66, 0, 95}}},
        // A move that would carry the right edge past the int32 range stops there.
        {{{kMax - 10, 0, kMax, 10}, {0, 0, 100, 10}},
         0,
         AlignLine::Left,
         {{kMax - 10, 0, kMax, 10}, {kMax - 100, 0, kMax, 10}}},
        {{{kMin, 0, kMax, 10}, {0, 0, 10, 10}},
         0,
         AlignLine::HorizontalCentre,
         {{kMin, 0, kMax, 10}, {-6, 0, 4, 10}}},
        {{{100, 0, 200, 10}, {kMin, 0, kMax, 10}},
         0,
         AlignLine::Left,
         {{100, 0, 200, 10}, {kMin, 0, kMax, 10}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AlignRects(c.rects, c.reference, c.line), c.expected)
            << "line " << int(c.line) << ", reference " << c.reference;
}

TEST(Arrange, MatchSizesKeepsLeftAndTop) {
    const struct {
        Rects rects;
        std::size_t reference;
        Axis axis;
        Rects expected;
    } cases[] = {
        {kThree, 1, Axis::Horizontal, {{10, 10, 70, 40}, {30, 60, 90, 100}, {-21, -5, 39, 24}}},
        {kThree, 2, Axis::Vertical, {{10, 10, 50, 39}, {30, 60, 90, 89}, {-21, -5, 0, 24}}},
        // An unnormalised reference passes its negative width on.
        {{{50, 0, 40, 10}, {0, 0, 5, 5}}, 0, Axis::Horizontal, {{50, 0, 40, 10}, {0, 0, -10, 5}}},
        {{{kMin, 0, kMax, 10}, {5, 0, 10, 10}},
         0,
         Axis::Horizontal,
         {{kMin, 0, kMax, 10}, {5, 0, kMax, 10}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchSizes(c.rects, c.reference, c.axis), c.expected);
}

TEST(Arrange, SpacingKeepsTheOutermostAndSharesTheGaps) {
    const struct {
        const char* what;
        Axis axis;
        Rects rects;
        Rects expected;
    } cases[] = {
        {"even",
         Axis::Horizontal,
         {{0, 0, 10, 10}, {15, 0, 25, 10}, {100, 0, 110, 10}},
         {{0, 0, 10, 10}, {50, 0, 60, 10}, {100, 0, 110, 10}}},
        {"20 over 3 gaps: 7, 7, 6",
         Axis::Horizontal,
         {{0, 0, 10, 5}, {12, 0, 22, 5}, {13, 0, 23, 5}, {50, 0, 60, 5}},
         {{0, 0, 10, 5}, {17, 0, 27, 5}, {34, 0, 44, 5}, {50, 0, 60, 5}}},
        {"overlap, -5 over 3 gaps: -1, -2, -2",
         Axis::Horizontal,
         {{0, 0, 20, 5}, {1, 0, 11, 5}, {2, 0, 12, 5}, {35, 0, 45, 5}},
         {{0, 0, 20, 5}, {19, 0, 29, 5}, {27, 0, 37, 5}, {35, 0, 45, 5}}},
        {"vertical, negative, ordered by top not by list",
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

// Random layouts: the ends stay, sizes stay, the order holds, the gaps differ
// by at most one with the larger ones first, and the other axis is untouched.
TEST(Arrange, SpacingRulesHoldForRandomLayouts) {
    std::mt19937 random(15);
    std::uniform_int_distribution<qint32> coordinate(-1000, 1000), size(0, 300), count(3, 8);
    for (int trial = 0; trial < 300; ++trial) {
        const Axis axis = trial % 2 ? Axis::Horizontal : Axis::Vertical;
        Rects rects(static_cast<std::size_t>(count(random)));
        for (CanvasRect& r : rects) {
            r.Left = coordinate(random);
            r.Top = coordinate(random);
            r.Right = r.Left + size(random);
            r.Bottom = r.Top + size(random);
        }
        const Rects out = SpaceEvenly(rects, axis);
        const auto low = [axis](const CanvasRect& r) {
            return axis == Axis::Horizontal ? r.Left : r.Top;
        };
        const auto high = [axis](const CanvasRect& r) {
            return axis == Axis::Horizontal ? r.Right : r.Bottom;
        };
        std::vector<std::size_t> order(rects.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](auto a, auto b) { return low(rects[a]) < low(rects[b]); });
        EXPECT_EQ(out[order.front()], rects[order.front()]);
        EXPECT_EQ(out[order.back()], rects[order.back()]);
        std::vector<qint32> gaps;
        for (std::size_t k = 0; k < order.size(); ++k) {
            const CanvasRect &before = rects[order[k]], &after = out[order[k]];
            EXPECT_EQ(high(after) - low(after), high(before) - low(before));
            if (axis == Axis::Horizontal)
                EXPECT_EQ(std::pair(after.Top, after.Bottom), std::pair(before.Top, before.Bottom));
            else
                EXPECT_EQ(std::pair(after.Left, after.Right), std::pair(before.Left, before.Right));
            if (k > 0)
                gaps.push_back(low(after) - high(out[order[k - 1]]));
        }
        EXPECT_LE(gaps.front() - gaps.back(), 1) << "trial " << trial;
        EXPECT_TRUE(std::is_sorted(gaps.rbegin(), gaps.rend())) << "trial " << trial;
    }
}

TEST(ArrangeSelection, MeasuresAgainstTheReferenceAndListsOnlyMovedWindows) {
    DesignDocument doc;
    TWindowItem* a = doc.Append(MakeWindow("A", 10, 0, 50, 30, true));
    TWindowItem* b = doc.Append(MakeWindow("B", 70, 0, 90, 30));
    TWindowItem* c = doc.Append(MakeWindow("C", 20, 40, 60, 70, true));
    TWindowItem* d = doc.Append(MakeWindow("D", 30, 80, 40, 90, true));

    EXPECT_EQ(ArrangeReference(doc, c), c);
    EXPECT_EQ(ArrangeReference(doc, nullptr), d) << "the front-most selected window";
    EXPECT_EQ(ArrangeReference(doc, b), d) << "an unselected window is no reference";

    const std::vector<ArrangeChange> changes = ArrangeSelection(doc, c, ArrangeCommand::AlignLeft);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].Index, 0);
    EXPECT_EQ(changes[0].Before, (CanvasRect{10, 0, 50, 30}));
    EXPECT_EQ(changes[0].After, (CanvasRect{20, 0, 60, 30}));
    EXPECT_EQ(changes[1].Index, 3);
    EXPECT_EQ(changes[1].After, (CanvasRect{20, 80, 30, 90}));
    EXPECT_EQ(a->Left, 10) << "the document itself is left alone";

    EXPECT_TRUE(ArrangeSelection(doc, c, ArrangeCommand::AlignTop).size() == 2);
    c->Selected = false;
    EXPECT_TRUE(ArrangeSelection(doc, a, ArrangeCommand::SpaceVertically).empty())
        << "spacing needs three";
    d->Left = a->Left;
    d->Right = d->Left + 10;
    EXPECT_TRUE(ArrangeSelection(doc, a, ArrangeCommand::AlignLeft).empty()) << "nothing to move";
}
