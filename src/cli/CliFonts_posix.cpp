#include "cli/CliFonts.h"

namespace volmar::cli {

// fontconfig finds the system's fonts.
void UseSystemFonts() {}

} // namespace volmar::cli
