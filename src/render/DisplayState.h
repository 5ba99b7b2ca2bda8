#pragma once

#include <QtGlobal>

namespace volmar {

// What the main window holds about how the canvas looks and snaps.
// Colours are 0x00BBGGRR. Grid spacings are always at least 1.
struct EditorDisplayState {
    qint32 GridX = 10;
    qint32 GridY = 10;
    bool GridVisible = true;
    bool Snap = true;
    quint32 FormColor = 0x000000;        // canvas background
    quint32 GridColor = 0xFFFFFF;        // grid dots
    quint32 HandleColor = 0x0000FF;      // frame of a single selection (red)
    quint32 MultiSelectColor = 0xFFFFFF; // frames of a multiple selection
    bool SnapToWindows = false;          // drags snap to other windows' guides
    bool ShowContents = false;           // each window shows its contents area
    bool ShowWindowNames = true;         // each window shows its name label
    int Zoom = 1;                        // screen pixels per canvas pixel, 1 to 3
    qint32 ContentsPadding = 16;         // the contents area lies this far inside a window
};

} // namespace volmar
