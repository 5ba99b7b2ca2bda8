#pragma once

#include <QColor>
#include <QFont>

namespace volmar {

// The platform's default user-interface font at 8 points, drawn without
// smoothing, for the name label of every window.
QFont WindowLabelFont();

// The rulers' font: Tahoma with a character height of 11 pixels, or the
// nearest sans-serif face where Tahoma is not installed.
QFont RulerFont();

// The standard control-face colour (buttons and panels), the rulers' background.
QColor ControlFaceColor();

} // namespace volmar
