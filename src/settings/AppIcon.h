#pragma once

#include <QPixmap>

namespace volmar {

// The program's icon, drawn from its SVG at the given size.
QPixmap AppIconPixmap(int size);

} // namespace volmar
