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

QByteArray EncodePng(const QImage& image, const QString& path,
                     QImage::Format format = QImage::Format_RGB888) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image.convertToFormat(format)))
        RaiseCannotCreate(path, writer.errorString());
    return bytes;
}

// A folder or nothing at the path is reported before any reading.
void RequireFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw VolmarError(
            QStringLiteral("ファイル \"%1\" は開けません。%2")
                .arg(MessagePath(path), qt_error_string(info.isDir() ? EISDIR : ENOENT)));
}

} // namespace

QImage LoadNamedSkin(const QString& path) {
    RequireFile(path);
    return LoadSkin(path);
}

BackgroundPicture LoadNamedBackground(const QString& path, quint32 canvasBgr) {
    RequireFile(path);
    return BackgroundPicture::Load(path, canvasBgr);
}

void SaveRgbPng(const QImage& image, const QString& path) {
    ReplaceFileContent(path, EncodePng(image, path));
}

void SaveRgbaPng(const QImage& image, const QString& path) {
    ReplaceFileContent(path, EncodePng(image, path, QImage::Format_RGBA8888));
}

} // namespace volmar::cli
