#include "commands/ClipboardText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using volmar::CopiedText;
using volmar::DesignDocument;
using volmar::ReadPastedText;

TWindowItem* Add(DesignDocument& document, const QString& name, qint32 left, qint32 top,
                 qint32 right, qint32 bottom) {
    TWindowItem item;
    item.Name = name;
    item.Left = left;
    item.Top = top;
    item.Right = right;
    item.Bottom = bottom;
    return document.Append(item);
}

struct Edges {
    QString name;
    qint32 left, top, right, bottom;
    bool operator==(const Edges&) const = default;
};

std::vector<Edges> EdgesOf(const std::vector<TWindowItem>& items) {
    std::vector<Edges> edges;
    for (const TWindowItem& item : items) {
        EXPECT_FALSE(item.Selected);
        edges.push_back({item.Name, item.Left, item.Top, item.Right, item.Bottom});
    }
    return edges;
}

void PrintTo(const Edges& e, std::ostream* os) {
    *os << e.name.toStdString() << " (" << e.left << "," << e.top << "," << e.right << ","
        << e.bottom << ")";
}

const char* const kExample = "[0]\r\nName=menu\r\nX=10\r\nY=20\r\nR=210\r\nB=120\r\n\r\n"
                             "[1]\r\nName=help\r\nX=0\r\nY=416\r\nR=640\r\nB=480\r\n\r\n";

TEST(ClipboardText, CopyWritesTheSelectedDefinitionsNumberedFromZero) {
    DesignDocument document;
    Add(document, "a", 1, 1, 2, 2);
    Add(document, "menu", 10, 20, 210, 120)->Selected = true;
    Add(document, "c", 3, 3, 4, 4);
    Add(document, "help", 0, 416, 640, 480)->Selected = true;
    EXPECT_EQ(CopiedText(document), kExample);

    document.SetAllSelected(false);
    EXPECT_EQ(CopiedText(document), "");
}

TEST(ClipboardText, CopiedNamesHavePassedThroughCodePage932) {
    DesignDocument document;
    Add(document, QStringLiteral("窓\U0001F600é"), 0, 0, 1, 1)->Selected = true;
    EXPECT_TRUE(CopiedText(document).startsWith(QStringLiteral("[0]\r\nName=窓??\r\n")));
}

TEST(ClipboardText, PasteMovesEachWindowAndRewritesTheText) {
    const auto first = ReadPastedText(kExample);
    EXPECT_EQ(EdgesOf(first.Definitions),
              (std::vector<Edges>{{"menu", 15, 25, 215, 125}, {"help", 5, 421, 645, 485}}));
    EXPECT_EQ(first.NextClipboardText,
              "[0]\r\nName=menu\r\nX=15\r\nY=25\r\nR=215\r\nB=125\r\n\r\n"
              "[1]\r\nName=help\r\nX=5\r\nY=421\r\nR=645\r\nB=485\r\n\r\n");

    const auto second = ReadPastedText(first.NextClipboardText);
    EXPECT_EQ(EdgesOf(second.Definitions),
              (std::vector<Edges>{{"menu", 20, 30, 220, 130}, {"help", 10, 426, 650, 490}}));
}

TEST(ClipboardText, PasteStopsAtTheFirstMissingNumber) {
    const auto pasted = ReadPastedText("[0]\r\nName=a\r\nX=1\r\n\r\n"
                                       "[2]\r\nName=c\r\n\r\n"
                                       "[other]\r\nk = v\r\n");
    EXPECT_EQ(EdgesOf(pasted.Definitions), (std::vector<Edges>{{"a", 6, 5, 5, 5}}));
    // Every section read is written back; missing keys are added to the pasted one.
    EXPECT_EQ(pasted.NextClipboardText, "[0]\r\nName=a\r\nX=6\r\nY=5\r\nR=5\r\nB=5\r\n\r\n"
                                        "[2]\r\nName=c\r\n\r\n"
                                        "[other]\r\nk=v\r\n\r\n");
}

TEST(ClipboardText, SectionWithoutKeptLinesEndsThePaste) {
    const auto pasted = ReadPastedText("[0]\r\n\r\n;X=7\r\n   \r\n[1]\r\nName=b\r\n");
    EXPECT_TRUE(pasted.Definitions.empty());
    EXPECT_EQ(pasted.NextClipboardText, "[0]\r\n\r\n[1]\r\nName=b\r\n\r\n");
}

TEST(ClipboardText, ValuesReadByTheFormTextRules) {
    const auto pasted = ReadPastedText(" [ 0 ] \n name = a b \n x=0x10\ny=$1F\nR=abc\nB=-3\n"
                                       "[1]\rX=\rY=99999999999\r");
    EXPECT_EQ(EdgesOf(pasted.Definitions),
              (std::vector<Edges>{{"a b", 21, 36, 5, 2}, {"", 5, 5, 5, 5}}));
    // Keys keep the spelling they were read with; blanks around "=" go.
    EXPECT_EQ(pasted.NextClipboardText, "[0]\r\nname=a b\r\nx=21\r\ny=36\r\nR=5\r\nB=2\r\n\r\n"
                                        "[1]\r\nX=5\r\nY=5\r\nR=5\r\nB=5\r\n\r\n");
}

TEST(ClipboardText, OnlyTheLastSectionOfANameCounts) {
    const auto pasted = ReadPastedText("[0]\r\nName=old\r\n[0]\r\nName=new\r\nX=1\r\n");
    EXPECT_EQ(EdgesOf(pasted.Definitions), (std::vector<Edges>{{"new", 6, 5, 5, 5}}));
    EXPECT_EQ(pasted.NextClipboardText,
              "[0]\r\nName=old\r\n\r\n[0]\r\nName=new\r\nX=6\r\nY=5\r\nR=5\r\nB=5\r\n\r\n");
}

TEST(ClipboardText, AByteOrderMarkInFrontIsSkipped) {
    const auto pasted = ReadPastedText(QChar(0xFEFF) + QString::fromLatin1(kExample));
    EXPECT_EQ(pasted.Definitions.size(), 2u);
    EXPECT_EQ(pasted.NextClipboardText, ReadPastedText(kExample).NextClipboardText);
}

TEST(ClipboardText, GarbageAddsNothingAndLeavesAnEmptyText) {
    for (const char* text : {"", "hello world", "\r\n\r\n", "=\r\n;[0]\r\n", "[0"}) {
        const auto pasted = ReadPastedText(QString::fromLatin1(text));
        EXPECT_TRUE(pasted.Definitions.empty()) << text;
        EXPECT_EQ(pasted.NextClipboardText, "") << text;
    }
}

TEST(ClipboardText, PastedNamesHavePassedThroughCodePage932) {
    const auto pasted = ReadPastedText(QStringLiteral("[0]\r\nName=窓\U0001F600é\r\n"));
    ASSERT_EQ(pasted.Definitions.size(), 1u);
    EXPECT_EQ(pasted.Definitions[0].Name, QStringLiteral("窓??"));
    EXPECT_TRUE(pasted.NextClipboardText.startsWith(QStringLiteral("[0]\r\nName=窓??\r\n")));
}

TEST(ClipboardText, EdgesNearTheLimitsAreHeldAtTheLargestValue) {
    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    constexpr qint32 kMin = std::numeric_limits<qint32>::min();
    EXPECT_EQ(volmar::ShiftedEdge(kMax - 5), kMax);
    EXPECT_EQ(volmar::ShiftedEdge(kMax - 2), kMax);
    EXPECT_EQ(volmar::ShiftedEdge(kMax), kMax);
    EXPECT_EQ(volmar::ShiftedEdge(kMin), kMin + 5);
    EXPECT_EQ(volmar::ShiftedEdge(-5), 0);

    const auto pasted = ReadPastedText("[0]\r\nX=2147483645\r\nY=-2147483648\r\n"
                                       "R=2147483647\r\nB=0x7FFFFFFF\r\n");
    EXPECT_EQ(EdgesOf(pasted.Definitions), (std::vector<Edges>{{"", kMax, kMin + 5, kMax, kMax}}));
    EXPECT_EQ(pasted.NextClipboardText, "[0]\r\nX=2147483647\r\nY=-2147483643\r\n"
                                        "R=2147483647\r\nB=2147483647\r\n\r\n");
}

} // namespace
