#pragma once

#include <QIcon>

namespace volmar {

// The images of the toolbar and the menus, indexed 0 to 18.
inline constexpr int kImageCount = 19;

// The image at index, or a null icon for an index outside the list.
QIcon ImageListIcon(int index);

// The file name of the image at index, without extension ("copy"); empty for
// an index outside the list.
QString ImageListName(int index);

// The picture of one image by its file name, from the program's resources.
QIcon ImageFileIcon(const QString& name);

} // namespace volmar
