#include "render/JapaneseFonts.h"

namespace volmar {

QFont WithJapaneseFallback(QFont font) {
    const QStringList fallback = JapaneseFallbackFamilies();
    if (fallback.isEmpty())
        return font;
    QStringList families = font.families();
    if (families.isEmpty())
        families << font.family();
    font.setFamilies(families + fallback);
    return font;
}

} // namespace volmar
