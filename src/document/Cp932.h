#pragma once

#include <QByteArray>
#include <QString>

namespace volmar {

// Code page 932 (Microsoft's Shift_JIS), the encoding of every text that
// leaves the program: project files, clipboard text, setting.ini, the code
// dialog. Names live as UTF-16 in memory and are converted at the boundary.
//
// Encoding: every character CP932 cannot hold becomes exactly one "?" (0x3F);
// a surrogate pair counts as one character. Three characters that CP932 has
// only as full-width twins are written as those twins, so that they keep
// their meaning and read back as the same glyph:
//   〜 U+301C (wave dash)  -> 0x81 0x60, read back as ～ U+FF5E
//   − U+2212 (minus sign)  -> 0x81 0x7C, read back as － U+FF0D
//   ¥ U+00A5 (yen sign)    -> 0x81 0x8F, read back as ￥ U+FFE5
// The yen sign is deliberately not written as 0x5C: that byte is the
// backslash here, and a name must not turn a yen sign into a backslash.
QByteArray ToCp932(const QString& text);
void AppendCp932(QByteArray& out, QStringView text);

// Decoding: a byte or byte pair that is not valid CP932 becomes one U+FFFD.
// A lead byte followed by a byte that cannot be a trail byte is invalid on
// its own; the following byte is then read afresh.
QString FromCp932(const QByteArray& bytes);
QString FromCp932(QByteArrayView bytes);

} // namespace volmar
