#pragma once

#include "cli/CliArguments.h"
#include "document/DesignDocument.h"

#include <QString>

namespace volmar::cli {

// "--target rgss1|rgss2|rgss3": the runtime a command works for instead of
// the one the project file names.
inline const QString kTargetOption = QStringLiteral("--target");

// The document of the project file named by the first plain argument, with
// the target of the file or, with --target, that runtime: RGSS3 keeps the
// screen of an RGSS3 file, every other choice takes the runtime's own
// screen. A [Project] section that cannot be read is reported on standard
// error, once. Raises UsageError for a --target value naming no runtime,
// before the file is read.
DesignDocument LoadTargetedDocument(const CliArguments& parsed);

} // namespace volmar::cli
