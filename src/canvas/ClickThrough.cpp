#include "canvas/ClickThrough.h"

namespace volmar {

ClickThrough DecideClickThrough(const TWindowItem* cur, bool overHandle, int countSelected,
                                const TWindowItem* hit) {
    if (cur && overHandle)
        return ClickThrough::FrameTakesPress;
    if (countSelected != 1 || hit == cur)
        return ClickThrough::FrameTakesPress;
    return hit ? ClickThrough::SwitchToHit : ClickThrough::Swallow;
}

} // namespace volmar
