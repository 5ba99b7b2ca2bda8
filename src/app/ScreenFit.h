#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace volmar {

// What a window manager adds around a window, at most: the title bar above,
// a border on the other sides. The real frame is known only once shown.
inline constexpr QMargins kDecorationAllowance(8, 32, 8, 8);

// Where a window of the wanted size goes on a screen's available area: centred
// there when it fits with its decoration; otherwise made smaller so that it
// and its decoration lie wholly on the area.
QRect FitOnScreen(QSize wanted, QMargins decoration, const QRect& available);

} // namespace volmar
