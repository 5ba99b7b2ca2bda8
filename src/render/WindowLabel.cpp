#include "render/WindowLabel.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>

namespace volmar {

namespace {

// A label wider than this is rendered for its visible columns only.
constexpr qint64 kMaxCachedLabelWidth = 4096;
// The cache is emptied when it holds this many labels.
constexpr qsizetype kMaxCachedLabels = 2048;

// Everything that decides a label's pixels: the font (QFont::key() leaves out
// the fallback families, hinting and kerning), the resolution and the name.
QString CacheKey(const QString& name, const QFont& font, const QImage& device) {
    const QLatin1Char sep('|');
    return font.key() + sep + font.families().join(QLatin1Char(',')) + sep +
           QString::number(int(font.hintingPreference())) + sep +
           QString::number(int(font.kerning())) + sep + QString::number(device.dotsPerMeterX()) +
           sep + QString::number(device.dotsPerMeterY()) + sep + name;
}

QHash<QString, QImage>& LabelCache() {
    thread_local QHash<QString, QImage> cache;
    return cache;
}

} // namespace

QString WindowLabelText(const QString& name) {
    return QStringLiteral("ウインドウ名：") + name;
}

qint64 WindowLabelWidth(const QString& text, const QFont& font, const QImage& device) {
    return QFontMetrics(font, &device).horizontalAdvance(text);
}

QImage RenderWindowLabel(const QString& text, const QFont& font, const QImage& device, qint64 fromX,
                         qint64 toX) {
    const QFontMetrics metrics(font, &device);
    const qint64 left = std::max<qint64>(fromX, 0);
    const qint64 right = std::min<qint64>(toX, metrics.horizontalAdvance(text));
    if (right <= left || metrics.height() <= 0)
        return {};
    QImage label(int(right - left), metrics.height(), QImage::Format_RGB32);
    label.setDotsPerMeterX(device.dotsPerMeterX());
    label.setDotsPerMeterY(device.dotsPerMeterY());
    label.fill(Qt::white);
    QPainter painter(&label);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(qreal(-left), qreal(metrics.ascent())), text);
    return label;
}

LabelSlice WindowLabel(const QString& name, const QFont& font, const QImage& device, qint64 fromX,
                       qint64 toX) {
    QHash<QString, QImage>& cache = LabelCache();
    const QString key = CacheKey(name, font, device);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return {*found, 0};
    const QString text = WindowLabelText(name);
    const qint64 width = WindowLabelWidth(text, font, device);
    if (width > kMaxCachedLabelWidth) {
        const qint64 start = std::max<qint64>(fromX, 0);
        return {RenderWindowLabel(text, font, device, start, toX), start};
    }
    if (cache.size() >= kMaxCachedLabels)
        cache.clear();
    const QImage label = RenderWindowLabel(text, font, device, 0, width);
    cache.insert(key, label);
    return {label, 0};
}

} // namespace volmar
