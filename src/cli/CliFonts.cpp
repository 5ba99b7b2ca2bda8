#include "cli/CliFonts.h"

#include "cli/CliIo.h"

#include <QFontDatabase>
#include <QStringList>

namespace volmar::cli {

void NoteMissingJapaneseFont() {
    if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
        WriteStandardError(QStringLiteral(
            "volmar-cli: note: no font with Japanese characters was found; Japanese names are "
            "drawn as empty boxes\n"));
}

} // namespace volmar::cli
