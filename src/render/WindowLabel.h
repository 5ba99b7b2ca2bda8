#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>

namespace volmar {

// The text written on every window: the prefix followed directly by the name.
QString WindowLabelText(const QString& name);

// The part of a window's label text that is laid out to show the columns
// before toX of its box: the whole text for a name of usual length; for a
// very long name only the characters up to a little past toX, at most a few
// ten thousand, so that a name of millions of characters costs no more than
// one that fills the canvas.
QString LabelLayoutText(const QString& name, const QFontMetrics& metrics, qint64 toX);

// The label as it appears on a window: the text's cell box (its advance width
// by the font's height) filled white, with the text in black inside it and cut
// to it. Only the columns [fromX, toX) of that box are rendered; the result is
// empty when the range and the box do not meet. The font is sized for the
// resolution of `device`.
QImage RenderWindowLabel(const QString& text, const QFont& font, const QImage& device, qint64 fromX,
                         qint64 toX);

// Width of the label's cell box for `text` on `device`.
qint64 WindowLabelWidth(const QString& text, const QFont& font, const QImage& device);

// Columns of a window's label starting at column StartX of its box.
struct LabelSlice {
    QImage Image;
    qint64 StartX = 0;
};

// The label of a window name with at least the columns [fromX, toX) of its
// box. Labels of usual width come whole (StartX 0) and are kept between calls
// for the same name, font and resolution; a very wide one is rendered for the
// asked columns only, from LabelLayoutText. Pixels are those of
// RenderWindowLabel for the whole text.
LabelSlice WindowLabel(const QString& name, const QFont& font, const QImage& device, qint64 fromX,
                       qint64 toX);

} // namespace volmar
