#include "cli/PictureFiles.h"

#include "document/FileReplace.h"
#include "document/VolmarError.h"
#include "render/SkinLoader.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include <cerrno>

namespace volmar::cli {

namespace {

[[noreturn]] void RaiseCannotCreate(const QString& path, const QString& reason) {
    throw VolmarError(
        QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(MessagePath(path), reason));
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
                .arg(MessagePath(path), qt_error_string(info.isDir() ? EISDIR : ENOENT)));
    return LoadSkin(path);
}

void SaveRgbPng(const QImage& image, const QString& path) {
    ReplaceFileContent(path, EncodePng(image, path));
}

} // namespace volmar::cli
