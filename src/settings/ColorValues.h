#pragma once

#include <QPalette>
#include <QString>
#include <QtGlobal>

#include <span>

namespace volmar {

// Stored colour values. A plain colour is 0x00BBGGRR. The colour pickers also
// offer values that stand for something other than a fixed colour; they are
// stored unchanged and turned into a plain colour only when they are applied:
//   0x80000000 | index  a system colour (index as in the classic COLOR_* table),
//                       painted in the current palette colour of that role;
//   0x1FFFFFFF          "none": nothing of its own, so it paints as the white
//                       of the panel under the canvas;
//   0x20000000          "default": paints as the factory colour of its key.
inline constexpr quint32 kColorNone = 0x1FFFFFFF;
inline constexpr quint32 kColorDefault = 0x20000000;
inline constexpr quint32 kSystemColorFlag = 0x80000000;
inline constexpr quint32 kWhite = 0xFFFFFF;

struct NamedColor {
    quint32 Value;
    const char* Name; // UTF-8
};

struct SystemColor {
    int Index;
    const char* Name; // UTF-8
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

std::span<const NamedColor> StandardColors();
std::span<const NamedColor> ExtendedColors();
std::span<const SystemColor> SystemColors();

inline constexpr quint32 SystemColorValue(int index) {
    return kSystemColorFlag | quint32(index);
}
inline constexpr bool IsSystemColorValue(quint32 value) {
    return (value & 0xFF000000u) == kSystemColorFlag;
}

// The system colour a value stands for, or nullptr for any other value.
const SystemColor* FindSystemColor(quint32 value);

// The plain 0x00BBGGRR colour a stored value paints with. defaultBgr is the
// factory colour of the key the value belongs to; a system index that the
// table does not know paints as that default too.
quint32 DisplayColor(quint32 stored, quint32 defaultBgr);

} // namespace volmar
