#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace volmar {

// The text written on every window: the prefix followed directly by the name.
QString WindowLabelText(const QString& name);

// The label as it appears on a window: the text's cell box (its advance width
// by the font's height) filled white, with the text in black inside it and cut
// to it. Only the columns [fromX, toX) of that box are rendered; the result is
// empty when the range and the box do not meet. The font is sized for the
// resolution of `device`.
QImage RenderWindowLabel(const QString& text, const QFont& font, const QImage& device, qint64 fromX,
                         qint64 toX);

// Width of the label's cell box for `text` on `device`.
qint64 WindowLabelWidth(const QString& text, const QFont& font, const QImage& device);

// The whole label for a window name, remembered between calls for the same
// name, font and resolution (the pixels are the same as RenderWindowLabel's).
// Labels wider than the cache accepts are rendered for the asked columns only;
// the returned image then starts at column `fromX` of the box and
// `startX` tells the caller where it begins.
struct LabelSlice {
    QImage Image;
    qint64 StartX = 0;
};
LabelSlice WindowLabel(const QString& name, const QFont& font, const QImage& device, qint64 fromX,
                       qint64 toX);

} // namespace volmar
