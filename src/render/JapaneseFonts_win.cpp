#include "render/JapaneseFonts.h"

namespace volmar {

QStringList JapaneseFallbackFamilies() {
    return {QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic UI"),
            QStringLiteral("MS UI Gothic"), QStringLiteral("MS PGothic")};
}

} // namespace volmar
