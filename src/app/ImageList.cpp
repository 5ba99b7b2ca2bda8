#include "app/ImageList.h"

#include <array>

namespace volmar {

namespace {

constexpr std::array<const char*, kImageCount> kFiles = {
    "select-mode",     // 0 a dashed selection rectangle with a cross-hair
    "window-mode",     // 1 a window with a green plus sign
    "code-gen",        // 2 a lightning bolt
    "new-project",     // 3 a blank page
    "open-project",    // 4 an open folder
    "save-as-project", // 5 a floppy disk with selection corners
    "save-project",    // 6 a floppy disk
    "delete",          // 7 a red cross
    "paste",           // 8 a clipboard with a page
    "cut",             // 9 scissors
    "copy",            // 10 two overlapping pages
    "help",            // 11 a blue question mark
    "version",         // 12 a blue letter i in a diamond
    "property",        // 13 a check list
    "option",          // 14 a gear with a green arrow
    "z-full-top",      // 15 an orange square in front of two grey squares
    "z-top",           // 16 an orange square in front of one grey square
    "z-full-back",     // 17 an orange square behind two grey squares
    "z-back",          // 18 an orange square behind one grey square
};

} // namespace

QString ImageListName(int index) {
    if (index < 0 || index >= kImageCount)
        return QString();
    return QLatin1String(kFiles[size_t(index)]);
}

QIcon ImageListIcon(int index) {
    const QString name = ImageListName(index);
    return name.isEmpty() ? QIcon() : ImageFileIcon(name);
}

} // namespace volmar
