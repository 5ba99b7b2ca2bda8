#include "document/GuideSnap.h"

#include <gtest/gtest.h>

using namespace volmar;

namespace {

enum class Drag { Move, HandleX, HandleY, Band };

struct GuideCase {
    const char* what;
    Drag drag;
    std::vector<CanvasRect> dragged; // moves: the windows at the press
    CanvasPoint pointer;             // moves: where the held corner would go
    CanvasPoint expected;
    GuideLines lines;
};

// One window that is not dragged, at (103, 100)-(203, 160): guides at x 103,
// 153, 203 and y 100, 130, 160, beside the canvas's 0/320/640 and 0/240/480.
// The grid has steps of 10 throughout.
TEST(GuideSnap, EdgesAndCentresGoOntoGuidesInReachAndTheGridRulesElsewhere) {
    const GuideTargets targets = MakeGuideTargets({CanvasRect{103, 100, 203, 160}});
    const GridSnapping grid{true, 10, 10};
    const GuideCase cases[] = {
        {"left edge 5 right of a right edge",
         Drag::Move,
         {{208, 300, 258, 330}},
         {208, 300},
         {203, 300},
         {{203}, {}}},
        {"one past the reach: the grid",
         Drag::Move,
         {{209, 300, 259, 330}},
         {209, 300},
         {200, 300},
         {}},
        {"right edge onto the canvas edge",
         Drag::Move,
         {{584, 11, 636, 51}},
         {584, 11},
         {588, 10},
         {{640}, {}}},
        {"centres onto the canvas centres",
         Drag::Move,
         {{270, 215, 368, 263}},
         {270, 215},
         {271, 216},
         {{320}, {240}}},
        {"the nearest feature wins; on a guide already, the grid stays out",
         Drag::Move,
         {{101, 400, 205, 420}},
         {101, 400},
         {101, 400},
         {{153}, {}}},
        {"bottom 5 below the canvas bottom",
         Drag::Move,
         {{31, 434, 131, 485}},
         {31, 434},
         {30, 429},
         {{}, {480}}},
        {"bottom 6 below: the grid", Drag::Move, {{31, 435, 131, 486}}, {31, 435}, {30, 430}, {}},
        {"top 5 above a guide, bottom 5 above another: both hold",
         Drag::Move,
         {{400, 300, 500, 330}},
         {-300, 95},
         {-300, 100},
         {{}, {100, 130}}},
        {"group: the bounding box snaps, the held corner follows",
         Drag::Move,
         {{300, 300, 350, 340}, {360, 250, 417, 280}},
         {296, 213},
         {290, 210},
         {{}, {160}}},
        {"group: its right edge meets the canvas edge",
         Drag::Move,
         {{300, 300, 350, 340}, {360, 250, 417, 280}},
         {522, 351},
         {523, 350},
         {{640}, {}}},
        {"left handle 5 from an edge", Drag::HandleX, {}, {198, 97}, {203, 97}, {{203}, {}}},
        {"left handle 6 from an edge: no grid", Drag::HandleX, {}, {197, 97}, {197, 97}, {}},
        {"bottom handle onto a window's centre line",
         Drag::HandleY,
         {},
         {12, 134},
         {12, 130},
         {{}, {130}}},
        {"band corner: guide across, grid down", Drag::Band, {}, {156, 77}, {153, 70}, {{153}, {}}},
        {"band corner on the canvas corner",
         Drag::Band,
         {},
         {636, 484},
         {640, 480},
         {{640}, {480}}},
        {"band corner beyond reach: the grid on both", Drag::Band, {}, {166, 77}, {160, 70}, {}},
    };
    for (const GuideCase& c : cases) {
        PointSnap got;
        switch (c.drag) {
        case Drag::Move: {
            const DragGroup group =
                MakeDragGroup(c.dragged, CanvasPoint{c.dragged[0].Left, c.dragged[0].Top});
            got = SnapMoveStep(group, c.pointer, SnapPoint(c.pointer, grid), targets);
            break;
        }
        case Drag::HandleX:
            got = SnapEdgesToGuides(c.pointer, true, false, targets);
            break;
        case Drag::HandleY:
            got = SnapEdgesToGuides(c.pointer, false, true, targets);
            break;
        case Drag::Band:
            got = SnapBandCorner(c.pointer, grid, targets);
            break;
        }
        EXPECT_EQ(got.Point, c.expected) << c.what;
        EXPECT_EQ(got.Lines, c.lines) << c.what;
    }
}

} // namespace
