#include "settings/EditorSection.h"

#include "document/BoundedRead.h"

#include <QFile>

namespace volmar {

IniStore LoadSettingsIni(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? IniStore::Read(ReadAtMost(file)) : IniStore();
}

} // namespace volmar
