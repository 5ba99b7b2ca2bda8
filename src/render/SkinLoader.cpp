#include "render/SkinLoader.h"

#include "document/VolmarError.h"
#include "render/PngDecoder.h"
#include "render/PngErrors.h"
#include "render/PngFileReader.h"
#include "render/SkinLayout.h"

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

// Every skin is read flattened, as it always was; one of the layout that
// draws with alpha is read again with its alpha kept.
QImage DecodeBytes(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const QImage flat = DecodePngOntoWhite(data, size_t(bytes.size()));
    if (SkinLayoutOfSize(flat.size()) != SkinLayout::Rgss2)
        return flat;
    return DecodePngWithAlpha(data, size_t(bytes.size()));
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
    return LoadSkin(path, Runtime::Rgss1);
}

QImage LoadSkin(const QString& path, Runtime runtime) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return LoadBuiltInSkin(runtime);
    const QString extension = info.suffix();
    if (extension.compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        throw VolmarError(QStringLiteral(u"拡張子 .%1 の画像形式は処理できません").arg(extension));
    return DecodeBytes(ReadPngFile(path));
}

QImage LoadBuiltInSkin() {
    return LoadPngResource(QStringLiteral(":/skin/SKIN.png"));
}

QImage LoadBuiltInSkin(Runtime runtime) {
    if (runtime == Runtime::Rgss1)
        return LoadBuiltInSkin();
    return LoadPngResource(QStringLiteral(":/skin/SKIN2.png"));
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
