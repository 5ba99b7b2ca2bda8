#include "app/DroppedFile.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace volmar {

DroppedFile DroppedFileOf(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl& url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("rsform"), Qt::CaseInsensitive) == 0)
        return {DroppedFile::Kind::Project, path};
    if (suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return {DroppedFile::Kind::Skin, path};
    return {};
}

} // namespace volmar
