#include "render/JapaneseFonts.h"

namespace volmar {

// Fontconfig already finds a Japanese sans-serif face (IPAGothic, Noto Sans CJK).
QStringList JapaneseFallbackFamilies() {
    return {};
}

} // namespace volmar
