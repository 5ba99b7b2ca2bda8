#include "document/FileReplace.h"

#include "document/FileReplaceSteps.h"
#include "document/VolmarError.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

#include <cerrno>

namespace volmar {

[[noreturn]] void RaiseCannotCreate(const QString& path, const QString& reason) {
    throw VolmarError(
        QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(MessagePath(path), reason));
}

bool WriteAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

QString MessagePath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString IsAFolderReason() {
    return qt_error_string(EISDIR);
}

} // namespace volmar
