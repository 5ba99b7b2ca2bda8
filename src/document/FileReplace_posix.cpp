#include "document/FileReplace.h"

#include "document/FileReplaceSteps.h"

#include <QFile>
#include <QSaveFile>

#include <csignal>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace volmar {

namespace {

using FileStatus = struct stat;

// What the path names, links followed; no value when nothing is there.
std::optional<FileStatus> StatusOf(const QString& path) {
    FileStatus status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

// Why something other than a regular file is never replaced; empty for a
// regular file.
QString RefusalReason(const FileStatus& status) {
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return IsAFolderReason();
    const char* kind = S_ISCHR(status.st_mode)    ? "character device"
                       : S_ISBLK(status.st_mode)  ? "block device"
                       : S_ISFIFO(status.st_mode) ? "FIFO"
                       : S_ISSOCK(status.st_mode) ? "socket"
                                                  : "unknown kind";
    return QStringLiteral("Not a regular file (%1)").arg(QLatin1StringView(kind));
}

// Gives the new file the old one's owner, group and permission bits, as far
// as this process may set them. The owner goes first: changing it may clear
// the set-user-ID bit.
void KeepAttributes(int handle, const FileStatus& old) {
    if (::fchown(handle, old.st_uid, old.st_gid) != 0 &&
        ::fchown(handle, uid_t(-1), old.st_gid) != 0) {
        // Another user's file, and a group this user is not in: the new file
        // keeps this user's owner and group.
    }
    ::fchmod(handle, old.st_mode & 07777);
}

// A write past the file-size limit should fail with EFBIG and leave the old
// file whole, not end the process with SIGXFSZ.
void IgnoreFileSizeSignal() {
    static const bool ignored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    (void)ignored;
}

} // namespace

void ReplaceFileContent(const QString& path, const QByteArray& bytes) {
    IgnoreFileSizeSignal();
    const std::optional<FileStatus> old = StatusOf(path);
    if (const QString refusal = old ? RefusalReason(*old) : QString(); !refusal.isEmpty())
        RaiseCannotCreate(path, refusal);
    // QSaveFile writes through a symbolic link: the target is replaced, the
    // link stays.
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the system here and a failing
    // one is seen: a buffered file meets a short write only while commit()
    // flushes, and commit() then puts the truncated text in the old file's place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        RaiseCannotCreate(path, file.errorString());
    if (old)
        KeepAttributes(file.handle(), *old);
    if (!WriteAll(file, bytes)) {
        // A short write alone does not make commit() fail; the temporary file
        // must be dropped, or the truncated text would replace the old file.
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        RaiseCannotCreate(path, reason);
    }
    if (!file.commit())
        RaiseCannotCreate(path, file.errorString());
}

} // namespace volmar
