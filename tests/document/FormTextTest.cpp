#include "document/FormText.h"

#include "support/WindowItems.h"

#include <gtest/gtest.h>

using volmar::DesignDocument;
using volmar::ReadDefinitions;
using volmar::SerializeDefinitions;

using volmar::test::MakeWindow;

namespace {

void ExpectSame(const std::vector<TWindowItem>& read, const DesignDocument& doc) {
    ASSERT_EQ(int(read.size()), doc.Count());
    for (int i = 0; i < doc.Count(); ++i) {
        const TWindowItem& want = *doc.At(i);
        EXPECT_EQ(read[size_t(i)].Name, want.Name);
        EXPECT_EQ(read[size_t(i)].Left, want.Left);
        EXPECT_EQ(read[size_t(i)].Top, want.Top);
        EXPECT_EQ(read[size_t(i)].Right, want.Right);
        EXPECT_EQ(read[size_t(i)].Bottom, want.Bottom);
        EXPECT_FALSE(read[size_t(i)].Selected);
    }
}

} // namespace

TEST(FormText, WritesTheWorkedExampleByteForByte) {
    DesignDocument doc;
    doc.Append(MakeWindow(QStringLiteral("command"), 0, 0, 160, 128));
    doc.Append(MakeWindow(QStringLiteral("help"), 160, 0, 640, 64));
    const QByteArray text = SerializeDefinitions(doc, false);
    EXPECT_EQ(text, "[0]\r\nName=command\r\nX=0\r\nY=0\r\nR=160\r\nB=128\r\n\r\n"
                    "[1]\r\nName=help\r\nX=160\r\nY=0\r\nR=640\r\nB=64\r\n\r\n");
    EXPECT_EQ(text.size(), 88);
    EXPECT_EQ(SerializeDefinitions(DesignDocument(), false), QByteArray());
}

TEST(FormText, NumbersSelectedDefinitionsWithoutGaps) {
    DesignDocument doc;
    for (int i = 0; i < 5; ++i)
        doc.Append(MakeWindow(QString::number(i), i, 0, 0, 0, i == 1 || i == 3));
    const QByteArray text = SerializeDefinitions(doc, true);
    EXPECT_EQ(text, "[0]\r\nName=1\r\nX=1\r\nY=0\r\nR=0\r\nB=0\r\n\r\n"
                    "[1]\r\nName=3\r\nX=3\r\nY=0\r\nR=0\r\nB=0\r\n\r\n");
    EXPECT_EQ(SerializeDefinitions(doc, false).count('['), 5);
}

TEST(FormText, RoundTripsNamesAndExtremeEdges) {
    DesignDocument doc;
    doc.Append(MakeWindow(QStringLiteral("ウインドウ名："), -2147483647 - 1, -5, 2147483647, 0));
    doc.Append(MakeWindow(QString(), 700, 500, -1, -640, true));
    const QByteArray text = SerializeDefinitions(doc, false);
    EXPECT_TRUE(text.contains("X=-2147483648\r\nY=-5\r\nR=2147483647\r\nB=0\r\n"));
    ExpectSame(ReadDefinitions(text), doc);
}

TEST(FormText, WritesUnmappableNameCharactersAsQuestionMarks) {
    DesignDocument doc;
    doc.Append(MakeWindow(QStringLiteral("a한b"), 0, 0, 0, 0));
    EXPECT_TRUE(SerializeDefinitions(doc, false).startsWith("[0]\r\nName=a?b\r\n"));
}

TEST(FormText, StopsAtTheFirstMissingSectionNumber) {
    const auto items = ReadDefinitions("[0]\r\nName=a\r\n[1]\r\nName=b\r\n[3]\r\nName=d\r\n"
                                       "[x]\r\nName=x\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].Name, QStringLiteral("b"));
    EXPECT_TRUE(ReadDefinitions("[1]\r\nName=b\r\n").empty());
    // A section of blank and comment lines is missing and ends the walk.
    EXPECT_TRUE(ReadDefinitions("[0]\r\n  \r\n;Name=a\r\n[1]\r\nName=b\r\n").empty());
}

TEST(FormText, TakesValuesAsTheyAreAndDefaultsTheRest) {
    const auto items =
        ReadDefinitions("[0]\r\nName=\r\n[1]\r\n name = \x82\x76 \r\nx=0x10\r\nY=$1F\r\n"
                        "R=abc\r\nB=-3\r\nExtra=9\r\n[02]\r\nName=no\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].Name, QString());
    EXPECT_EQ(items[0].Left, 0);
    EXPECT_EQ(items[0].Bottom, 0);
    EXPECT_EQ(items[1].Name, QStringLiteral("Ｗ"));
    EXPECT_EQ(items[1].Left, 16);
    EXPECT_EQ(items[1].Top, 31);
    EXPECT_EQ(items[1].Right, 0);
    EXPECT_EQ(items[1].Bottom, -3);
}

TEST(FormText, FindsSectionsOutOfOrderAndHonoursRepeatedOnes) {
    const auto items =
        ReadDefinitions("[1]\r\nName=one\r\n[0]\r\nName=zero\r\n[1]\r\nName=again\r\n"
                        "[2]\r\nName=two\r\n[2]\r\n");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].Name, QStringLiteral("zero"));
    EXPECT_EQ(items[1].Name, QStringLiteral("again"));
}
