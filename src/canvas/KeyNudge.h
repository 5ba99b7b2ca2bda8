#pragma once

#include <QtCore/qnamespace.h>
#include <QtGlobal>

#include <optional>

namespace volmar {

// What an arrow key does to the selected windows: without Shift it moves
// them by one pixel, with Shift it moves their right or bottom edge by one.
// Ctrl and Alt make no difference.
struct KeyNudge {
    bool Resize = false;
    qint32 Dx = 0;
    qint32 Dy = 0;

    friend bool operator==(const KeyNudge&, const KeyNudge&) = default;
};

// The nudge of a key (a Qt::Key) with its modifiers, or none for any key
// that is not an arrow.
std::optional<KeyNudge> KeyNudgeFor(int key, Qt::KeyboardModifiers modifiers);

} // namespace volmar
