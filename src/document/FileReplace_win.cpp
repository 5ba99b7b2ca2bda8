#include "document/FileReplace.h"

#include "document/FileReplaceSteps.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <io.h>
#include <string>
#include <windows.h>

namespace volmar {

namespace {

// Folders and anything that is not a plain file are never replaced.
void RefuseNonRegular(const QString& path, const QFileInfo& info) {
    if (info.isDir())
        RaiseCannotCreate(path, IsAFolderReason());
    if (info.exists() && !info.isFile())
        RaiseCannotCreate(path, QStringLiteral("Not a regular file"));
}

// A link is written through: its target is replaced and the link stays.
QString FileToReplace(const QString& path, const QFileInfo& info) {
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// The new content reaches the disk before it takes the old file's place.
bool FlushToDisk(QTemporaryFile& file) {
    if (!file.flush())
        return false;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
}

QString LastErrorText() {
    return qt_error_string(int(GetLastError()));
}

} // namespace

// The new content goes into a temporary file beside the old one, which then
// takes the old file's place in one step; until that step the old file is
// untouched, and after a failure the temporary file is removed.
void ReplaceFileContent(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    RefuseNonRegular(path, info);
    const QString target = FileToReplace(path, info);
    QTemporaryFile file(target + QStringLiteral(".XXXXXX.tmp"));
    if (!file.open())
        RaiseCannotCreate(path, file.errorString());
    if (!WriteAll(file, bytes) || !FlushToDisk(file)) {
        const QString reason = file.errorString();
        RaiseCannotCreate(path, reason.isEmpty() ? LastErrorText() : reason);
    }
    file.close();
    const std::wstring from = QDir::toNativeSeparators(file.fileName()).toStdWString();
    const std::wstring to = QDir::toNativeSeparators(target).toStdWString();
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseCannotCreate(path, LastErrorText());
    file.setAutoRemove(false);
}

} // namespace volmar
