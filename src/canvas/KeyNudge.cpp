#include "canvas/KeyNudge.h"

namespace volmar {

std::optional<KeyNudge> KeyNudgeFor(int key, Qt::KeyboardModifiers modifiers) {
    const bool resize = modifiers.testFlag(Qt::ShiftModifier);
    switch (key) {
    case Qt::Key_Left:
        return KeyNudge{resize, -1, 0};
    case Qt::Key_Up:
        return KeyNudge{resize, 0, -1};
    case Qt::Key_Right:
        return KeyNudge{resize, 1, 0};
    case Qt::Key_Down:
        return KeyNudge{resize, 0, 1};
    default:
        return std::nullopt;
    }
}

} // namespace volmar
