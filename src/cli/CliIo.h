#pragma once

#include "document/DesignDocument.h"

#include <QByteArray>
#include <QString>

namespace volmar::cli {

// Writes bytes unchanged to standard output; raises VolmarError when they
// cannot be written.
void WriteStandardOutput(const QByteArray& bytes);
void WriteStandardError(const QString& text);

// The document of a project file. A path with nothing at it is reported as
// the editor reports it: "ファイル "..." は開けません。..."
DesignDocument LoadDocument(const QString& path);

} // namespace volmar::cli
