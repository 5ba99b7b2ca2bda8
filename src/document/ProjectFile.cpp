#include "document/ProjectFile.h"

#include "document/FormText.h"
#include "document/VolmarError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace volmar {

namespace {

QString FullPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

[[noreturn]] void RaiseCannotCreate(const QString& path, const QString& reason) {
    throw VolmarError(
        QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(FullPath(path), reason));
}

[[noreturn]] void RaiseCannotOpen(const QString& path, const QString& reason) {
    throw VolmarError(
        QStringLiteral("ファイル \"%1\" は開けません。%2").arg(FullPath(path), reason));
}

// The system's own words for a folder where a file was expected.
QString IsAFolderReason() {
    return qt_error_string(EISDIR);
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

void SaveProjectFile(const DesignDocument& document, const QString& path) {
    const QByteArray bytes = SerializeDefinitions(document, false);
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

QByteArray ReadProjectFileBytes(const QString& path) {
    if (QFileInfo(path).isDir())
        RaiseCannotOpen(path, IsAFolderReason());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        RaiseCannotOpen(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        RaiseCannotOpen(path, file.errorString());
    return bytes;
}

std::optional<std::vector<TWindowItem>> LoadProjectFile(const QString& path) {
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return ReadDefinitions(ReadProjectFileBytes(path));
}

} // namespace volmar
