#include "commands/CodeGenerator.h"

#include "document/Cp932.h"
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

namespace {

struct StyleCase {
    const char* what;
    std::vector<TWindowItem> windows;
    volmar::CodeStyle style;
    QString code; // every line ended by "\n"
};

constexpr qint32 kMin = -2147483647 - 1;
constexpr qint32 kMax = 2147483647;
const TWindowItem kMenu = MakeWindow(QStringLiteral("menu"), 10, 20, 210, 120);
const TWindowItem kHelp = MakeWindow(QStringLiteral("help"), 0, 416, 640, 480);
const QString kSkin =
    QStringLiteral("windowskin = RPG::Cache.windowskin($game_system.windowskin_name)");

} // namespace

TEST(CodeGenerator, WritesEveryFormAndOptionInCp932) {
    using volmar::CodeForm;
    const StyleCase cases[] = {
        {"worked example, default",
         {kMenu, kHelp},
         {},
         "@menu  = Window.new\n@menu.x = 10\n@menu.y = 20\n@menu.width = 200\n@menu.height = 100\n"
         "@menu.contents = Bitmap.new(168,68)\n\n@help  = Window.new\n@help.x = 0\n@help.y = 416\n"
         "@help.width = 640\n@help.height = 64\n@help.contents = Bitmap.new(608,32)\n\n"},
        {"worked example, base",
         {kMenu, kHelp},
         {CodeForm::WindowBase, false, false},
         "@menu = Window_Base.new(10, 20, 200, 100)\n@menu.contents = Bitmap.new(168,68)\n\n"
         "@help = Window_Base.new(0, 416, 640, 64)\n@help.contents = Bitmap.new(608,32)\n\n"},
        {"window, skin and dispose",
         {MakeWindow(QStringLiteral("窓한"), -5, -7, 15, 25)},
         {CodeForm::Window, true, true},
         "@窓?  = Window.new\n@窓?." + kSkin +
             "\n@窓?.x = -5\n@窓?.y = -7\n@窓?.width = 20\n"
             "@窓?.height = 32\n@窓?.contents = Bitmap.new(-12,0)\n\n@窓?.dispose\n\n"},
        {"window, dispose only",
         {MakeWindow(QString(), 0, 0, 32, 33)},
         {CodeForm::Window, false, true},
         "@  = Window.new\n@.x = 0\n@.y = 0\n@.width = 32\n@.height = 33\n"
         "@.contents = Bitmap.new(0,1)\n\n@.dispose\n\n"},
        {"base ignores the skin, 64 bits",
         {MakeWindow(QStringLiteral("w"), kMin, kMax, kMax, kMin),
          MakeWindow(QStringLiteral("メニュー"), -5, -7, -15, 25)},
         {CodeForm::WindowBase, true, true},
         "@w = Window_Base.new(-2147483648, 2147483647, 4294967295, -4294967295)\n"
         "@w.contents = Bitmap.new(4294967263,-4294967327)\n\n"
         "@メニュー = Window_Base.new(-5, -7, -10, 32)\n@メニュー.contents = Bitmap.new(-42,0)\n\n"
         "@w.dispose\n@メニュー.dispose\n\n"},
        {"empty, window", {}, {CodeForm::Window, true, true}, ""},
        {"empty, base", {}, {CodeForm::WindowBase, true, true}, ""},
    };
    for (const StyleCase& c : cases) {
        DesignDocument doc;
        for (const TWindowItem& window : c.windows)
            doc.Append(window);
        const QByteArray expected = volmar::ToCp932(QString(c.code).replace(u'\n', "\r\n"));
        EXPECT_EQ(GenerateCodeBytes(doc, c.style), expected) << c.what;
    }
}

TEST(CodeGenerator, EveryRuntimeWritesItsOwnForms) {
    using namespace volmar;
    const TWindowItem far = MakeWindow(QStringLiteral("w"), kMin, kMax, kMax, kMin);
    const TWindowItem small = MakeWindow(QStringLiteral("窓"), -5, -7, 15, 25);
    const QString skin = QStringLiteral(".windowskin = Cache.system(\"Window\")\n");
    const QString farRect = QStringLiteral("(-2147483648, 2147483647, 4294967295, -4294967295)\n");
    const std::pair<Runtime, StyleCase> cases[] = {
        {Runtime::Rgss2,
         {"RGSS2 window",
          {small},
          {CodeForm::Window, true, true},
          "@窓  = Window.new\n@窓" + skin + "@窓.x = -5\n@窓.y = -7\n@窓.width = 20\n" +
              "@窓.height = 32\n@窓.contents = Bitmap.new(-12,0)\n\n@窓.dispose\n\n"}},
        {Runtime::Rgss2,
         {"RGSS2 base",
          {far},
          {CodeForm::WindowBase, true, false},
          "@w = Window_Base.new" + farRect + "\n"}},
        {Runtime::Rgss3,
         {"RGSS3 window",
          {small, far},
          {CodeForm::Window, true, false},
          "@窓 = Window.new(-5, -7, 20, 32)\n@窓" + skin + "@窓.contents = Bitmap.new(-4,8)\n\n" +
              "@w = Window.new" + farRect + "@w" + skin +
              "@w.contents = Bitmap.new(4294967271,-4294967319)\n\n"}},
        {Runtime::Rgss3,
         {"RGSS3 base",
          {small},
          {CodeForm::WindowBase, false, true},
          "@窓 = Window_Base.new(-5, -7, 20, 32)\n\n@窓.dispose\n\n"}},
    };
    for (const auto& [runtime, c] : cases) {
        DesignDocument doc;
        for (const TWindowItem& window : c.windows)
            doc.Append(window);
        const QByteArray expected = ToCp932(QString(c.code).replace(u'\n', "\r\n"));
        EXPECT_EQ(GenerateCodeBytes(doc, c.style, runtime), expected) << c.what;
    }
}
