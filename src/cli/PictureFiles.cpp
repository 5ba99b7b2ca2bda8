#include "cli/PictureFiles.h"

#include "document/VolmarError.h"
#include "render/SkinLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

namespace volmar::cli {

namespace {

QString FullPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

[[noreturn]] void RaiseCannotCreate(const QString& path, const QString& reason) {
    throw VolmarError(
        QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(FullPath(path), reason));
}

QByteArray EncodePng(const QImage& image, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        RaiseCannotCreate(path, writer.errorString());
    return bytes;
}

} // namespace

QImage LoadNamedSkin(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw VolmarError(
            QStringLiteral("ファイル \"%1\" は開けません。%2")
                .arg(FullPath(path), qt_error_string(info.isDir() ? EISDIR : ENOENT)));
    return LoadSkin(path);
}

void SaveRgbPng(const QImage& image, const QString& path) {
    const QByteArray bytes = EncodePng(image, path);
    if (QFileInfo(path).isDir())
        RaiseCannotCreate(path, qt_error_string(EISDIR));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        RaiseCannotCreate(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        file.flush();
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        RaiseCannotCreate(path, reason);
    }
    if (!file.commit())
        RaiseCannotCreate(path, file.errorString());
}

} // namespace volmar::cli
