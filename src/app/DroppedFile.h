#pragma once

#include <QString>

class QMimeData;

namespace volmar {

// What a drop onto the main window would do. Only one local file is taken:
// a project (".rsform") opens, a picture (".png") becomes the skin; anything
// else is refused.
struct DroppedFile {
    enum class Kind { Refused, Project, Skin };
    Kind kind = Kind::Refused;
    QString path;
};

DroppedFile DroppedFileOf(const QMimeData* data);

} // namespace volmar
