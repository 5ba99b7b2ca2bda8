#pragma once

#include <QIcon>

namespace volmar {

// The images of the toolbar and the menus, indexed 0 to 18.
inline constexpr int kImageCount = 19;

// The image at index, or a null icon for an index outside the list.
QIcon ImageListIcon(int index);
QString ImageListPath(int index);

} // namespace volmar
