#include "document/ProjectText.h"
#include "document/FormText.h"
#include "document/ProjectFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace volmar {
namespace {

const QByteArray kWindows = "[0]\r\nName=a\r\nX=1\r\n\r\n[1]\r\nName=b\r\n\r\n";
const RuntimeTarget kClassic;
const RuntimeTarget kRgss2 = DefaultTarget(Runtime::Rgss2);
const RuntimeTarget kRgss3 = DefaultTarget(Runtime::Rgss3);
const RuntimeTarget kRgss3Large{Runtime::Rgss3, {640, 480}};

QByteArray Section(const QByteArray& lines) {
    return "[Project]\r\n" + lines + "\r\n";
}

TEST(ProjectText, ReadsTheTargetAndEveryWindowAndWritesItBack) {
    const struct {
        const char* what;
        QByteArray text;
        RuntimeTarget target;
        const char* keys; // the problem's keys as read; none when there is no problem
    } cases[] = {
        {"no section", kWindows, kClassic, nullptr},
        {"RGSS2", Section("Runtime=RGSS2\r\nWidth=544\r\nHeight=416") + kWindows, kRgss2, nullptr},
        {"RGSS3 640x480, any case",
         "[project]\r\nruntime=rgss3\r\nwidth=640\r\nheight=0x1E0\r\n" + kWindows, kRgss3Large,
         nullptr},
        {"RGSS3 544x416", Section("Runtime=RGSS3\r\nWidth=544\r\nHeight=416") + kWindows, kRgss3,
         nullptr},
        {"RGSS1 640x480 is classic", Section("Runtime=RGSS1\r\nWidth=640\r\nHeight=480") + kWindows,
         kClassic, nullptr},
        {"runtime alone: its screen", Section("Runtime=RGSS2") + kWindows, kRgss2, nullptr},
        {"empty section counts as missing", "[Project]\r\n" + kWindows, kClassic, nullptr},
        {"section last", kWindows + Section("Runtime=RGSS2"), kRgss2, nullptr},
        {"section between windows",
         "[0]\r\nName=a\r\nX=1\r\n" + Section("Runtime=RGSS2") + "[1]\r\nName=b\r\n", kRgss2,
         nullptr},
        {"unknown runtime", Section("Runtime=RGSS9\r\nWidth=544\r\nHeight=416") + kWindows,
         kClassic, "Runtime=RGSS9, Width=544, Height=416"},
        {"size 0", Section("Runtime=RGSS3\r\nWidth=0\r\nHeight=480") + kWindows, kClassic,
         "Runtime=RGSS3, Width=0, Height=480"},
        {"size 1: in range, no RGSS3 screen",
         Section("Runtime=RGSS3\r\nWidth=1\r\nHeight=1") + kWindows, kRgss3,
         "Runtime=RGSS3, Width=1, Height=1"},
        {"size 4096", Section("Runtime=RGSS3\r\nWidth=4096\r\nHeight=4096") + kWindows, kRgss3,
         "Runtime=RGSS3, Width=4096, Height=4096"},
        {"size 4097", Section("Runtime=RGSS3\r\nWidth=640\r\nHeight=4097") + kWindows, kClassic,
         "Runtime=RGSS3, Width=640, Height=4097"},
        {"RGSS2 has one screen", Section("Runtime=RGSS2\r\nWidth=640\r\nHeight=480") + kWindows,
         kRgss2, "Runtime=RGSS2, Width=640, Height=480"},
        {"RGSS1 has one screen", Section("Runtime=RGSS1\r\nWidth=544\r\nHeight=416") + kWindows,
         kClassic, "Runtime=RGSS1, Width=544, Height=416"},
        {"garbage", Section("\x81\x9f garbage") + kWindows, kClassic, "Runtime=, Width=, Height="},
        {"garbage size", Section("Runtime=RGSS2\r\nWidth=wide\r\nHeight=416") + kWindows, kClassic,
         "Runtime=RGSS2, Width=wide, Height=416"},
        {"missing runtime", Section("Width=544\r\nHeight=416") + kWindows, kClassic,
         "Runtime=, Width=544, Height=416"},
        {"missing height", Section("Runtime=RGSS3\r\nWidth=640") + kWindows, kClassic,
         "Runtime=RGSS3, Width=640, Height="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ProjectContents read = ReadProjectText(c.text);
        EXPECT_EQ(read.Target, c.target);
        if (c.keys)
            EXPECT_EQ(
                read.TargetProblem.value_or(QString()),
                QStringLiteral("プロジェクトの設定 (%1) を読めません。%2 (%3x%4) として開きます。")
                    .arg(QString::fromLatin1(c.keys), RuntimeName(c.target.Version))
                    .arg(c.target.Screen.Width)
                    .arg(c.target.Screen.Height));
        else
            EXPECT_FALSE(read.TargetProblem.has_value());
        // Nothing lost, nothing invented, here and by the reader of the windows alone.
        for (const auto& items : {read.Items, ReadDefinitions(c.text)}) {
            ASSERT_EQ(items.size(), 2u);
            EXPECT_EQ(items[0].Name, "a");
            EXPECT_EQ(items[0].Left, 1);
            EXPECT_EQ(items[1].Name, "b");
        }

        // Saving writes a valid section, first, or none at all.
        DesignDocument document;
        for (const TWindowItem& item : read.Items)
            document.Append(item);
        document.SetTarget(read.Target);
        const QByteArray written = ProjectText(document);
        EXPECT_EQ(written.endsWith(SerializeDefinitions(document, false)), true);
        EXPECT_EQ(written.startsWith("[Project]\r\n"), !IsClassicTarget(read.Target));
        const ProjectContents again = ReadProjectText(written);
        EXPECT_EQ(again.Target, read.Target);
        EXPECT_FALSE(again.TargetProblem.has_value());
        EXPECT_EQ(again.Items.size(), 2u);
    }
}

TEST(ProjectText, WritesTheSectionOnlyForOtherTargets) {
    DesignDocument document;
    EXPECT_EQ(ProjectText(document), QByteArray());
    document.SetTarget(kRgss3Large);
    EXPECT_EQ(ProjectText(document),
              "[Project]\r\nRuntime=RGSS3\r\nWidth=640\r\nHeight=480\r\n\r\n");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.rsform"));
    document.SetTarget(kRgss2);
    SaveProjectFile(document, path);
    const std::optional<ProjectContents> loaded = LoadProject(path);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->Target, kRgss2);
    EXPECT_TRUE(loaded->Items.empty());
}

} // namespace
} // namespace volmar
