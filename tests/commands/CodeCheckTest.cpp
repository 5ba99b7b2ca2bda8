#include "commands/CodeCheck.h"
#include "commands/CodeProblemText.h"

#include "support/WindowItems.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace volmar {
namespace {

using test::MakeWindow;

struct Sized {
    QString name;
    qint32 width = 100, height = 100;
};

QStringList Lines(const std::vector<Sized>& windows, QString (*text)(const CodeProblem&)) {
    DesignDocument document;
    qint32 left = -50; // positions do not matter, only sizes
    for (const Sized& w : windows) {
        document.Append(MakeWindow(w.name, left, 7, left + w.width, 7 + w.height));
        left += 60;
    }
    QStringList lines;
    for (const CodeProblem& problem : CheckCode(document))
        lines << text(problem);
    return lines;
}

TEST(CodeCheck, NamesThatCannotBeInstanceVariables) {
    const struct {
        QString name;
        QString problem; // empty: the name is fine
    } cases[] = {
        {"gold", ""},
        {"_x9", ""},
        {"Window_1", ""},
        {"ステータス", ""},
        {"ＡＢ１", ""},
        {"", "window 0 \"\": the name is empty"},
        {"1st", "window 0 \"1st\": the name starts with a digit"},
        {"9", "window 0 \"9\": the name starts with a digit"},
        {"play time", "window 0 \"play time\": the name contains a space"},
        {" a", "window 0 \" a\": the name contains a space"},
        {"a\tb", "window 0 \"a<U+0009>b\": the name contains the control character U+0009"},
        {"a\x7f", "window 0 \"a<U+007F>\": the name contains the control character U+007F"},
        {"a\u00a0", "window 0 \"a\u00a0\": \"\u00a0\" (U+00A0) has no code page 932 form and "
                    "becomes \"?\" in the code"},
        {"hp-bar", "window 0 \"hp-bar\": the name contains \"-\""},
        {"@gold", "window 0 \"@gold\": the name contains \"@\""},
        {"a.b", "window 0 \"a.b\": the name contains \".\""},
        {"why?", "window 0 \"why?\": the name contains \"?\""},
        {"x%1", "window 0 \"x%1\": the name contains \"%\""},
        {"a~", "window 0 \"a~\": the name contains \"~\""},
        {"a☃", "window 0 \"a☃\": \"☃\" (U+2603) has no code page 932 form and becomes \"?\" in "
               "the code"},
    };
    for (const auto& c : cases) {
        const QStringList expected = c.problem.isEmpty() ? QStringList() : QStringList{c.problem};
        EXPECT_EQ(Lines({{c.name}}, EnglishProblemText), expected) << c.name.toStdString();
    }
    EXPECT_EQ(Lines({{"2 b-c"}}, EnglishProblemText),
              (QStringList{"window 0 \"2 b-c\": the name starts with a digit",
                           "window 0 \"2 b-c\": the name contains a space"}));
    // The controls run on to U+009F; none of them has a code page 932 form.
    EXPECT_EQ(Lines({{"a\u009f"}}, EnglishProblemText),
              (QStringList{"window 0 \"a<U+009F>\": the name contains the control character U+009F",
                           "window 0 \"a<U+009F>\": \"<U+009F>\" (U+009F) has no code page 932 "
                           "form and becomes \"?\" in the code"}));
}

TEST(CodeCheck, SidesBelowThirtyThreeLeaveNoContents) {
    const struct {
        qint32 width, height;
        QStringList problems;
    } cases[] = {
        {33, 33, {}},
        {640, 480, {}},
        {32, 33, {"window 0 \"w\": width 32 leaves a contents bitmap 0 wide (33 or more needed)"}},
        {33,
         20,
         {"window 0 \"w\": height 20 leaves a contents bitmap -12 high (33 or more needed)"}},
        {-50,
         0,
         {"window 0 \"w\": width -50 leaves a contents bitmap -82 wide (33 or more needed)",
          "window 0 \"w\": height 0 leaves a contents bitmap -32 high (33 or more needed)"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lines({{"w", c.width, c.height}}, EnglishProblemText), c.problems)
            << c.width << "x" << c.height;

    DesignDocument farApart;
    farApart.Append(MakeWindow("far", INT32_MIN, 0, INT32_MAX, 100));
    EXPECT_TRUE(CheckCode(farApart).empty()) << "sides are computed without overflow";
}

TEST(CodeCheck, LaterWindowsWithATakenNameAreReported) {
    EXPECT_EQ(Lines({{"gold"}, {"menu"}, {"gold"}, {"Gold"}, {"gold"}}, EnglishProblemText),
              (QStringList{
                  "window 2 \"gold\": window 0 has the same name; these statements overwrite it",
                  "window 4 \"gold\": window 0 has the same name; these statements overwrite it"}));
    // The code is written in code page 932: two names that read the same
    // there are one variable.
    EXPECT_EQ(Lines({{"a〜"}, {"a～"}}, EnglishProblemText),
              (QStringList{
                  "window 1 \"a～\": window 0 has the same name; these statements overwrite it"}));
}

TEST(CodeCheck, ProblemsComeWindowByWindowInJapaneseToo) {
    EXPECT_EQ(Lines({{"", 20, 100}, {"1 a", 100, 32}, {"1 a"}}, JapaneseProblemText),
              (QStringList{
                  "ウインドウ 0「」: 名前が空です。",
                  "ウインドウ 0「」: 幅 20 では内容のビットマップの幅が -12 になります (33 "
                  "以上が必要です)。",
                  "ウインドウ 1「1 a」: 名前が数字で始まっています。",
                  "ウインドウ 1「1 a」: 名前に空白が含まれています。",
                  "ウインドウ 1「1 a」: 高さ 32 では内容のビットマップの高さが 0 になります (33 "
                  "以上が必要です)。",
                  "ウインドウ 2「1 a」: 名前が数字で始まっています。",
                  "ウインドウ 2「1 a」: 名前に空白が含まれています。",
                  "ウインドウ 2「1 a」: ウインドウ 1 と同じ名前です。後の文がそのウインドウを上書き"
                  "します。",
              }));
    EXPECT_EQ(Lines({{"a\x01"}, {"b#"}, {"c☃"}}, JapaneseProblemText),
              (QStringList{
                  "ウインドウ 0「a<U+0001>」: 名前に制御文字 U+0001 が含まれています。",
                  "ウインドウ 1「b#」: 名前に「#」が含まれています。",
                  "ウインドウ 2「c☃」: 「☃」(U+2603) はコードページ 932 で表せず、コードでは「?」に"
                  "なります。",
              }));
}

} // namespace
} // namespace volmar
