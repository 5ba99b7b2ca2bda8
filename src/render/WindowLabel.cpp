#include "render/WindowLabel.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace volmar {

namespace {

// A label wider than this is rendered for its visible columns only.
constexpr qint64 kMaxCachedLabelWidth = 4096;
// The cache is emptied when it holds this many labels.
constexpr qsizetype kMaxCachedLabels = 2048;
// A name up to this long is laid out whole, so its label is exactly what Qt
// draws for the whole text, whatever its scripts and directions.
constexpr qsizetype kWholeNameChars = 2048;
// Characters laid out beyond the last column that shows, so that kerning,
// joining and combining marks at that column come out as in the whole text.
constexpr qsizetype kContextChars = 32;
// No more of a name is ever laid out. It covers far more than any window
// within the property dialog's reach can show; only a window pushed further
// left by a hand-edited file can lose the rest of its label.
constexpr qsizetype kMaxLaidOutChars = 32768;

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

// The first `count` characters of the name, or a few more so that no
// character or grapheme cluster is cut in two.
QStringView WholeGraphemes(QStringView name, qsizetype count) {
    if (count >= name.size())
        return name;
    // Boundaries depend only on the characters close by.
    constexpr qsizetype kReach = 16;
    const qsizetype from = std::max<qsizetype>(count - kReach, 0);
    const qsizetype to = std::min(count + kReach, name.size());
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name.constData() + from, to - from);
    finder.setPosition(count - from);
    if (finder.isAtBoundary())
        return name.first(count);
    const qsizetype next = finder.toNextBoundary();
    return name.first(next < 0 ? to : from + next);
}

QString LabelText(QStringView name) {
    QString text = QStringLiteral("ウインドウ名：");
    text.append(name);
    return text;
}

} // namespace

QString LabelLayoutText(const QString& name, const QFontMetrics& metrics, qint64 toX) {
    if (name.size() <= kWholeNameChars)
        return WindowLabelText(name);
    // Twice as many characters each round, until they reach past column toX.
    for (qsizetype count = kWholeNameChars;; count *= 2) {
        count = std::min(count, kMaxLaidOutChars);
        const QStringView prefix = WholeGraphemes(name, count);
        if (prefix.size() == name.size() || count == kMaxLaidOutChars)
            return LabelText(prefix);
        if (metrics.horizontalAdvance(LabelText(prefix)) >= toX)
            return LabelText(WholeGraphemes(name, prefix.size() + kContextChars));
    }
}

QString WindowLabelText(const QString& name) {
    return LabelText(name);
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
    const qint64 start = std::max<qint64>(fromX, 0);
    if (name.size() > kWholeNameChars) {
        const QString text = LabelLayoutText(name, QFontMetrics(font, &device), toX);
        return {RenderWindowLabel(text, font, device, start, toX), start};
    }
    QHash<QString, QImage>& cache = LabelCache();
    const QString key = CacheKey(name, font, device);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return {*found, 0};
    const QString text = WindowLabelText(name);
    const qint64 width = WindowLabelWidth(text, font, device);
    if (width > kMaxCachedLabelWidth)
        return {RenderWindowLabel(text, font, device, start, toX), start};
    if (cache.size() >= kMaxCachedLabels)
        cache.clear();
    const QImage label = RenderWindowLabel(text, font, device, 0, width);
    cache.insert(key, label);
    return {label, 0};
}

} // namespace volmar
