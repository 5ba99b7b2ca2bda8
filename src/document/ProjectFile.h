#pragma once

#include "document/DesignDocument.h"
#include "document/ProjectText.h"
#include "document/WindowItem.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace volmar {

// Writes the project text of the document (its target, when it is not RGSS1
// on 640x480, and every definition) to path, creating the file or
// replacing its whole content. The bytes go to a temporary file that then
// takes the file's place, so a failed save leaves an old file whole.
// Raises VolmarError "ファイル "<full path>" を作成できません。<reason>".
void SaveProjectFile(const DesignDocument& document, const QString& path);

// The whole content of the file at path. Raises VolmarError
// "ファイル "<full path>" は開けません。<reason>" when it cannot be read,
// also when nothing or a folder is at path, and the out-of-resources message
// when it holds more than kMaxTextBytes.
QByteArray ReadProjectFileBytes(const QString& path);

// The definitions and the target of the project file at path; no value when
// no file exists there. Raises as ReadProjectFileBytes when the file cannot
// be read.
std::optional<ProjectContents> LoadProject(const QString& path);

// The definitions alone.
std::optional<std::vector<TWindowItem>> LoadProjectFile(const QString& path);

} // namespace volmar
