#pragma once

#include <QtGlobal>

#include <memory>

namespace volmar::test {

// glibc's iconv converting code page 932, the yardstick of our own tables,
// with the answers Cp932Tables.h gives: U+FFFD and "?" for what does not map.
class GlibcCp932 {
public:
    // Null where there is no glibc iconv (Windows).
    static std::unique_ptr<GlibcCp932> Open();
    virtual ~GlibcCp932() = default;

    // The code of a character: one byte, or lead << 8 | trail.
    virtual quint16 Encode(char16_t c) = 0;
    // The one character of these bytes, taken together.
    virtual char16_t Decode(const unsigned char* bytes, size_t length) = 0;
};

} // namespace volmar::test
