#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// Small text rules shared by the form text and setting.ini. The text is
// CP932 bytes throughout.
namespace volmar {

// Removes blanks and control characters (bytes up to 0x20, and 0x7F) at both
// ends. None of them can be the second byte of a double-byte character.
QByteArrayView TrimIni(QByteArrayView text);

// Section names and keys are compared without regard to letter case. Only
// ASCII letters fold, and the second byte of a double-byte character is left
// alone even where it looks like a letter.
bool IniNamesEqual(QByteArrayView a, QByteArrayView b);
// A hash that is equal for names IniNamesEqual finds equal.
quint64 HashIniName(QByteArrayView name);

// An integer as the files write it: optional sign and decimal digits, or a
// sign and hexadecimal digits after "$", "0x" or "0X". A decimal must lie in
// the signed 32-bit range; a hexadecimal is a 32-bit pattern (up to
// 0xFFFFFFFF, so 0xFFFFFFFF is -1). Anything else has no value.
std::optional<qint32> ParseInt32(QByteArrayView text);

} // namespace volmar
