#include "document/GuideSnap.h"

#include <gtest/gtest.h>

using namespace volmar;

namespace {

enum class Drag { Move, HandleX, HandleY, Band };
using enum Drag;

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
    const std::vector<CanvasRect> group{{300, 300, 350, 340}, {360, 250, 417, 280}};
    const GuideCase cases[] = {
        // what, how, windows at the press, pointer, result, guide lines
        {"left 5 off an edge", Move, {{208, 300, 258, 330}}, {208, 300}, {203, 300}, {{203}, {}}},
        {"left 6 off: grid", Move, {{209, 300, 259, 330}}, {209, 300}, {200, 300}, {}},
        {"right to canvas edge", Move, {{584, 11, 636, 51}}, {584, 11}, {588, 10}, {{640}, {}}},
        {"centres", Move, {{270, 215, 368, 263}}, {270, 215}, {271, 216}, {{320}, {240}}},
        {"nearest wins", Move, {{101, 400, 205, 420}}, {101, 400}, {101, 400}, {{153}, {}}},
        {"bottom 5 below 480", Move, {{31, 434, 131, 485}}, {31, 434}, {30, 429}, {{}, {480}}},
        {"two edges hold", Move, {{400, 300, 500, 330}}, {-300, 95}, {-300, 100}, {{}, {100, 130}}},
        {"group's box snaps", Move, group, {296, 213}, {290, 210}, {{}, {160}}},
        {"group to canvas edge", Move, group, {522, 351}, {523, 350}, {{640}, {}}},
        {"handle 5 off", HandleX, {}, {198, 97}, {203, 97}, {{203}, {}}},
        {"handle 6 off: no grid", HandleX, {}, {197, 97}, {197, 97}, {}},
        {"handle to a centre", HandleY, {}, {12, 134}, {12, 130}, {{}, {130}}},
        {"band: guide, grid", Band, {}, {156, 77}, {153, 70}, {{153}, {}}},
        {"band: canvas corner", Band, {}, {636, 484}, {640, 480}, {{640}, {480}}},
        {"band: grid only", Band, {}, {166, 77}, {160, 70}, {}},
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
