#include "app/DisplayPath.h"

#include "document/PathShortening.h"

#include <QDir>
#include <QFontMetrics>

namespace volmar {

namespace {

// The widest the path may be in the first status-bar panel.
constexpr int kPathWidth = 430;

} // namespace

QString DisplayPath(const QFont& font, const QString& path) {
    const QFontMetrics metrics(font);
    return ShortenPath(QDir::toNativeSeparators(path), kPathWidth,
                       [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
}

} // namespace volmar
