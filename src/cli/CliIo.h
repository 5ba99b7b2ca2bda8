#pragma once

#include "document/DesignDocument.h"

#include <QByteArray>
#include <QString>

namespace volmar::cli {

// Writes bytes unchanged to standard output; raises VolmarError when they
// cannot be written.
void WriteStandardOutput(const QByteArray& bytes);
void WriteStandardError(const QString& text);

// The line a failed command leaves on standard error: the editor's error-box
// text, except that a message ending in Japanese gets the Japanese full stop
// "。" where the box adds ".".
QString FailureLine(const QString& message);

// The document of a project file, with its target. A path with nothing at it
// is reported as the editor reports it: "ファイル "..." は開けません。...";
// a [Project] section that cannot be read, as a warning on standard error.
DesignDocument LoadDocument(const QString& path);

} // namespace volmar::cli
