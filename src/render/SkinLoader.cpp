#include "render/SkinLoader.h"

#include "document/VolmarError.h"
#include "render/PngDecoder.h"
#include "render/PngErrors.h"
#include "render/PngFileReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The resource lives in a static library: it has to be registered by hand
// (outside any namespace) before its first use.
static void RegisterBuiltInSkin() {
    static bool registered = false;
    if (!registered) {
        Q_INIT_RESOURCE(BuiltInSkin);
        registered = true;
    }
}

namespace volmar {

namespace {

QImage DecodeBytes(const QByteArray& bytes) {
    return DecodePngOntoWhite(reinterpret_cast<const uchar*>(bytes.constData()),
                              size_t(bytes.size()));
}

} // namespace

QByteArray ReadPngFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VolmarError(QStringLiteral(u"ファイル \"%1\" は開けません。%2")
                              .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()),
                                   file.errorString()));
    return ReadPngBytes(file);
}

QImage LoadSkin(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return LoadBuiltInSkin();
    const QString extension = info.suffix();
    if (extension.compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        throw VolmarError(QStringLiteral(u"拡張子 .%1 の画像形式は処理できません").arg(extension));
    return DecodeBytes(ReadPngFile(path));
}

QImage LoadBuiltInSkin() {
    return LoadPngResource(QStringLiteral(":/skin/SKIN.png"));
}

QImage LoadPngResource(const QString& resourcePath) {
    RegisterBuiltInSkin();
    QFile resource(resourcePath);
    if (!resource.open(QIODevice::ReadOnly))
        throw VolmarError(
            QStringLiteral("The png image could not be loaded from the resource ID."));
    return DecodeBytes(resource.readAll());
}

} // namespace volmar
