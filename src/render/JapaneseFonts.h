#pragma once

#include <QFont>
#include <QStringList>

namespace volmar {

// Sans-serif faces with Japanese glyphs, tried in order for every character
// the font's own face lacks. Windows otherwise falls back to a serif face for
// Tahoma's missing glyphs; elsewhere the system's own fallback is kept.
QStringList JapaneseFallbackFamilies();

// The font with those faces after its own.
QFont WithJapaneseFallback(QFont font);

} // namespace volmar
