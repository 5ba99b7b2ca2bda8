#pragma once

class TWindowItem;

namespace volmar {

// What a left press on a frame does, decided before the frame moves or resizes.
enum class ClickThrough {
    FrameTakesPress, // the frame starts its move or resize
    SwitchToHit,     // the window under the pointer becomes the selection instead
    Swallow          // the press is ignored
};

// cur is the selected frame's definition (or none), overHandle whether the
// pointer is over one of that frame's live handles, hit the front-most window
// at the press point (or none). A press on a handle always resizes; with other
// than exactly one window selected, or on the selected window itself, the
// frame moves; otherwise the press passes through to what lies under it.
ClickThrough DecideClickThrough(const TWindowItem* cur, bool overHandle, int countSelected,
                                const TWindowItem* hit);

} // namespace volmar
