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

QString CacheKey(const QString& name, const QFont& font, const QImage& device) {
    return font.key() + QLatin1Char('\x1f') + QString::number(device.dotsPerMeterX()) +
           QLatin1Char('x') + QString::number(device.dotsPerMeterY()) + QLatin1Char('\x1f') + name;
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
