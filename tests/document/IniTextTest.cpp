#include "document/IniText.h"

#include <gtest/gtest.h>

using volmar::IniNamesEqual;
using volmar::ParseInt32;
using volmar::TrimIni;

TEST(IniText, ParsesDecimalAndHexadecimalIntegers) {
    EXPECT_EQ(ParseInt32("5"), 5);
    EXPECT_EQ(ParseInt32("-3"), -3);
    EXPECT_EQ(ParseInt32("+7"), 7);
    EXPECT_EQ(ParseInt32("007"), 7);
    EXPECT_EQ(ParseInt32("0x10"), 16);
    EXPECT_EQ(ParseInt32("0X1f"), 31);
    EXPECT_EQ(ParseInt32("$1F"), 31);
    EXPECT_EQ(ParseInt32("-$10"), -16);
    EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt32("-2147483648"), std::numeric_limits<qint32>::min());
    EXPECT_EQ(ParseInt32("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseInt32("0x80000000"), std::numeric_limits<qint32>::min());
    EXPECT_EQ(ParseInt32("00000000000000000000012"), 12);
}

TEST(IniText, RejectsWhatIsNotA32BitInteger) {
    for (const char* text :
         {"", "-", "+", "abc", "5a", "1.5", " 5", "5 ", "--5", "0x", "$", "0xG", "2147483648",
          "-2147483649", "0x100000000", "99999999999999999999999", "1e3"}) {
        EXPECT_FALSE(ParseInt32(text).has_value()) << text;
    }
}

TEST(IniText, TrimsBlanksAndControlCharacters) {
    EXPECT_EQ(TrimIni(" \t\x01 a b \x1F\x7F"), QByteArrayView("a b"));
    EXPECT_EQ(TrimIni(" \t "), QByteArrayView(""));
}

TEST(IniText, ComparesNamesWithoutLetterCase) {
    EXPECT_TRUE(IniNamesEqual("Name", "nAME"));
    EXPECT_FALSE(IniNamesEqual("Name", "Names"));
    // The second bytes of ア (83 41) and チ (83 60) only look like "A" and "`":
    // ア must not match a different character 83 61 (ヂ) through folding.
    EXPECT_TRUE(IniNamesEqual("\x83\x41", "\x83\x41"));
    EXPECT_FALSE(IniNamesEqual("\x83\x41", "\x83\x61"));
}
