#include "settings/ProgramVersion.h"

namespace volmar {

QString ProgramFileVersion() {
    return QStringLiteral(VOLMAR_VERSION);
}

} // namespace volmar
