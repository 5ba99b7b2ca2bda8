#include "document/FileReplace.h"

#include "document/FileReplaceSteps.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

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

QString LastErrorText() {
    return qt_error_string(int(GetLastError()));
}

std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

// A new file beside the target, written through to the disk; it is removed
// again unless Keep() was called.
class TemporaryFile {
public:
    explicit TemporaryFile(const QString& target)
        : path_(target + QStringLiteral(".%1.tmp").arg(QRandomGenerator::system()->generate(), 8,
                                                       16, QLatin1Char('0'))),
          handle_(CreateFileW(Native(path_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr)) {}
    ~TemporaryFile() {
        Close();
        if (!kept_)
            DeleteFileW(Native(path_).c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    const QString& Path() const { return path_; }

    bool WriteAllAndFlush(const QByteArray& bytes) {
        qint64 written = 0;
        while (written < bytes.size()) {
            const DWORD chunk = DWORD(qMin<qint64>(bytes.size() - written, 1 << 30));
            DWORD done = 0;
            if (!WriteFile(handle_, bytes.constData() + written, chunk, &done, nullptr) ||
                done == 0)
                return false;
            written += done;
        }
        return FlushFileBuffers(handle_);
    }
    bool Close() {
        if (!IsOpen())
            return true;
        const bool closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }
    void Keep() { kept_ = true; }

private:
    QString path_;
    HANDLE handle_;
    bool kept_ = false;
};

} // namespace

// The new content goes into a temporary file beside the old one, which then
// takes the old file's place in one step; until that step the old file is
// untouched, and after a failure the temporary file is removed.
void ReplaceFileContent(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    RefuseNonRegular(path, info);
    const QString target = FileToReplace(path, info);
    TemporaryFile file(target);
    if (!file.IsOpen())
        RaiseCannotCreate(path, LastErrorText());
    if (!file.WriteAllAndFlush(bytes) || !file.Close())
        RaiseCannotCreate(path, LastErrorText());
    if (!MoveFileExW(Native(file.Path()).c_str(), Native(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseCannotCreate(path, LastErrorText());
    file.Keep();
}

} // namespace volmar
