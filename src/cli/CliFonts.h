#pragma once

namespace volmar::cli {

// Points Qt at the system's font folder where the platform plugin does not
// find fonts by itself (the offscreen plugin on Windows reads one folder).
// Called before the application object exists.
void UseSystemFonts();

// Writes a note on standard error when no font with Japanese glyphs is
// installed, so that names drawn as empty boxes are not a surprise.
void NoteMissingJapaneseFont();

} // namespace volmar::cli
