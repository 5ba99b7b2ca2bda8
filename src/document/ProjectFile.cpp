#include "document/ProjectFile.h"

#include "document/BoundedRead.h"
#include "document/FileReplace.h"
#include "document/VolmarError.h"

#include <QFile>
#include <QFileInfo>

namespace volmar {

namespace {

[[noreturn]] void RaiseCannotOpen(const QString& path, const QString& reason) {
    throw VolmarError(
        QStringLiteral("ファイル \"%1\" は開けません。%2").arg(MessagePath(path), reason));
}

} // namespace

void SaveProjectFile(const DesignDocument& document, const QString& path) {
    ReplaceFileContent(path, ProjectText(document));
}

QByteArray ReadProjectFileBytes(const QString& path) {
    if (QFileInfo(path).isDir())
        RaiseCannotOpen(path, IsAFolderReason());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        RaiseCannotOpen(path, file.errorString());
    QByteArray bytes = ReadAtMost(file);
    if (file.error() != QFileDevice::NoError)
        RaiseCannotOpen(path, file.errorString());
    return bytes;
}

std::optional<ProjectContents> LoadProject(const QString& path) {
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return ReadProjectText(ReadProjectFileBytes(path));
}

std::optional<std::vector<TWindowItem>> LoadProjectFile(const QString& path) {
    std::optional<ProjectContents> contents = LoadProject(path);
    if (!contents)
        return std::nullopt;
    return std::move(contents->Items);
}

} // namespace volmar
