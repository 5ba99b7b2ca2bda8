#pragma once

namespace volmar {

// Qt warns "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to ..." on
// standard error wherever no session set that variable (a root shell, CI),
// and then uses a folder of its own. The notice is none of the program's
// business, so it is dropped; every other message goes on as before. Called
// first thing in main.
void SilenceRuntimeFolderNotice();

} // namespace volmar
