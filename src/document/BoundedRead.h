#pragma once

#include <QByteArray>
#include <QIODevice>

namespace volmar {

// The most the program holds of a text it reads whole: a project file,
// setting.ini or clipboard text. A form text of 100,000 definitions takes
// 6 MB and one of 1.1 million 68 MB; reading this much takes a fraction of
// a second.
inline constexpr qint64 kMaxTextBytes = qint64(128) * 1024 * 1024;

// Everything from the device's position to its end, holding no more than
// maxBytes at any time: a device that has more (a huge file, /dev/zero) is
// refused with the out-of-resources message. A read error ends the text
// early; the caller asks the device for it.
QByteArray ReadAtMost(QIODevice& device, qint64 maxBytes = kMaxTextBytes);

} // namespace volmar
