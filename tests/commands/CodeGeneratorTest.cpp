#include "commands/CodeGenerator.h"

#include "support/WindowItems.h"

#include <gtest/gtest.h>

using volmar::DesignDocument;
using volmar::GenerateCodeBytes;
using volmar::GenerateCodeLines;

using volmar::test::MakeWindow;

namespace {} // namespace

TEST(CodeGenerator, WritesTheWorkedExample) {
    DesignDocument doc;
    doc.Append(MakeWindow(QStringLiteral("menu"), 10, 20, 210, 120));
    doc.Append(MakeWindow(QStringLiteral("help"), 0, 416, 640, 480));
    doc.At(1)->Selected = true; // makes no difference
    EXPECT_EQ(
        GenerateCodeLines(doc),
        (QStringList{"@menu  = Window.new", "@menu.x = 10", "@menu.y = 20", "@menu.width = 200",
                     "@menu.height = 100", "@menu.contents = Bitmap.new(168,68)", "",
                     "@help  = Window.new", "@help.x = 0", "@help.y = 416", "@help.width = 640",
                     "@help.height = 64", "@help.contents = Bitmap.new(608,32)", ""}));
}

TEST(CodeGenerator, KeepsNegativeAndSmallSizesUnclamped) {
    DesignDocument doc;
    doc.Append(MakeWindow(QString(), -5, -7, 15, 25));
    doc.Append(MakeWindow(QStringLiteral("back"), 100, 0, 50, 32));
    const QStringList lines = GenerateCodeLines(doc);
    EXPECT_EQ(lines[0], QStringLiteral("@  = Window.new"));
    EXPECT_EQ(lines[1], QStringLiteral("@.x = -5"));
    EXPECT_EQ(lines[2], QStringLiteral("@.y = -7"));
    EXPECT_EQ(lines[5], QStringLiteral("@.contents = Bitmap.new(-12,0)"));
    EXPECT_EQ(lines[10], QStringLiteral("@back.width = -50"));
    EXPECT_EQ(lines[12], QStringLiteral("@back.contents = Bitmap.new(-82,0)"));
}

TEST(CodeGenerator, ComputesSizesWithoutWrapping) {
    DesignDocument doc;
    doc.Append(
        MakeWindow(QStringLiteral("w"), -2147483647 - 1, 2147483647, 2147483647, -2147483647 - 1));
    const QStringList lines = GenerateCodeLines(doc);
    EXPECT_EQ(lines[3], QStringLiteral("@w.width = 4294967295"));
    EXPECT_EQ(lines[4], QStringLiteral("@w.height = -4294967295"));
    EXPECT_EQ(lines[5], QStringLiteral("@w.contents = Bitmap.new(4294967263,-4294967327)"));
}

TEST(CodeGenerator, BytesAreCp932WithCrLfAfterEveryLine) {
    EXPECT_EQ(GenerateCodeBytes(DesignDocument()), QByteArray());
    DesignDocument doc;
    doc.Append(MakeWindow(QStringLiteral("窓한"), 0, 0, 32, 32));
    EXPECT_EQ(GenerateCodeBytes(doc), "@\x91\x8b?  = Window.new\r\n@\x91\x8b?.x = 0\r\n"
                                      "@\x91\x8b?.y = 0\r\n@\x91\x8b?.width = 32\r\n"
                                      "@\x91\x8b?.height = 32\r\n"
                                      "@\x91\x8b?.contents = Bitmap.new(0,0)\r\n\r\n");
}
