#include "document/FileReplace.h"

#include "document/VolmarError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace volmar {

namespace {

[[noreturn]] void RaiseCannotCreate(const QString& path, const QString& reason) {
    throw VolmarError(
        QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(MessagePath(path), reason));
}

bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

} // namespace

void ReplaceFileContent(const QString& path, const QByteArray& bytes) {
    if (QFileInfo(path).isDir())
        RaiseCannotCreate(path, IsAFolderReason());
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the system here and a failing
    // one is seen: a buffered file meets a short write only while commit()
    // flushes, and commit() then puts the truncated text in the old file's place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        RaiseCannotCreate(path, file.errorString());
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

QString MessagePath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString IsAFolderReason() {
    return qt_error_string(EISDIR);
}

} // namespace volmar
