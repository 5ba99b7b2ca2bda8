#include "document/Cp932Tables.h"
#include "support/GlibcCp932.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace volmar::cp932;

// Our tables give glibc's answer for every byte, every pair of bytes and every
// BMP character; only the yen sign is our own choice.
TEST(Cp932Tables, MatchGlibcIconvEverywhere) {
    const auto glibc = volmar::test::GlibcCp932::Open();
    if (!glibc)
        GTEST_SKIP() << "no glibc iconv with CP932 here to compare with";
    QStringList mismatches;
    auto check = [&](int actual, int expected, const char* what, int input) {
        if (actual != expected && mismatches.size() < 10)
            mismatches << QString::asprintf("%s %04X: %04X, glibc %04X", what, input, actual,
                                            expected);
    };
    for (int b = 0; b < 0x100; ++b) {
        const unsigned char byte = static_cast<unsigned char>(b);
        check(DecodeSingle(byte), glibc->Decode(&byte, 1), "byte", b);
    }
    for (int code = 0; code < 0x10000; ++code) {
        const unsigned char pair[2] = {static_cast<unsigned char>(code >> 8),
                                       static_cast<unsigned char>(code)};
        check(DecodePair(pair[0], pair[1]), glibc->Decode(pair, 2), "pair", code);
        const char16_t c = static_cast<char16_t>(code);
        check(EncodeBmp(c), c == u'\u00A5' ? 0x818F : glibc->Encode(c), "character", code);
    }
    EXPECT_TRUE(mismatches.isEmpty()) << mismatches.join(u'\n').toStdString();
}
