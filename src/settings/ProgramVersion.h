#pragma once

#include <QString>

namespace volmar {

// The version the about box shows: on Windows the "FileVersion" text of the
// running executable's version resource under the Japanese string table
// (empty when there is none); elsewhere, where programs carry no version
// resource, the version the program was built as.
QString ProgramFileVersion();

} // namespace volmar
