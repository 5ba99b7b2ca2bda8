#pragma once

namespace volmar {

// Gives every grab-handle frame the accessibility interface Qt would give any
// plain widget, without the search through Qt's table of widget classes that
// Qt makes for each widget shown: Select All on thousands of windows shows
// thousands of frames. Installing more than once has no further effect.
void InstallFrameAccessibility();

} // namespace volmar
