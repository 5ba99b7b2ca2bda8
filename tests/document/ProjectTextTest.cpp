#include "document/ProjectText.h"
#include "document/FormText.h"

#include <gtest/gtest.h>

namespace volmar {
namespace {

const QByteArray kWindows = "[0]\r\nName=a\r\n\r\n[1]\r\nName=b\r\n\r\n";

// A [Project] section; a null value leaves its key out.
QByteArray Section(const char* runtime, const char* width = nullptr, const char* height = nullptr) {
    QByteArray out = "[Project]\r\n";
    for (const auto& [key, value] :
         {std::pair{"Runtime", runtime}, {"Width", width}, {"Height", height}})
        out += value ? QByteArray(key) + '=' + value + "\r\n" : QByteArray();
    return out;
}

TEST(ProjectText, ReadsTheTargetAndEveryWindowAndWritesItBack) {
    const RuntimeTarget classic, rgss2 = DefaultTarget(Runtime::Rgss2),
                                 rgss3 = DefaultTarget(Runtime::Rgss3), large{Runtime::Rgss3, {}};
    const std::tuple<const char*, QByteArray, RuntimeTarget, bool> cases[] = {
        {"no section", kWindows, classic, false},
        {"RGSS2", Section("RGSS2", "544", "416") + kWindows, rgss2, false},
        {"RGSS3 640x480", Section("rgss3", "640", "0x1E0") + kWindows, large, false},
        {"runtime alone", Section("RGSS3") + kWindows, rgss3, false},
        {"section last", kWindows + Section("RGSS2"), rgss2, false},
        {"unknown runtime", Section("RGSS9", "544", "416") + kWindows, classic, true},
        {"size 0", Section("RGSS3", "0", "480") + kWindows, classic, true},
        {"size 1", Section("RGSS3", "1", "1") + kWindows, rgss3, true},
        {"size 4096", Section("RGSS3", "4096", "4096") + kWindows, rgss3, true},
        {"size 4097", Section("RGSS3", "640", "4097") + kWindows, classic, true},
        {"RGSS2 640x480", Section("RGSS2", "640", "480") + kWindows, rgss2, true},
        {"garbage", "[Project]\r\n\x81\x9f garbage\r\n" + kWindows, classic, true},
        {"missing runtime", Section(nullptr, "544", "416") + kWindows, classic, true},
        {"missing height", Section("RGSS3", "640") + kWindows, classic, true},
    };
    for (const auto& [what, text, target, problem] : cases) {
        SCOPED_TRACE(what);
        const ProjectContents read = ReadProjectText(text);
        EXPECT_TRUE(read.Target == target && read.TargetProblem.has_value() == problem);
        // Nothing lost, nothing invented, also by the reader of the windows alone.
        for (const auto& items : {read.Items, ReadDefinitions(text)})
            EXPECT_TRUE(items.size() == 2 && items[0].Name == "a" && items[1].Name == "b");
        DesignDocument document;
        for (const TWindowItem& item : read.Items)
            document.Append(item);
        document.SetTarget(read.Target);
        const QByteArray written = ProjectText(document);
        EXPECT_EQ(written.startsWith(target == large ? Section("RGSS3", "640", "480") + "\r\n[0]"
                                                     : "[Project]"),
                  !IsClassicTarget(target));
        const ProjectContents again = ReadProjectText(written);
        EXPECT_TRUE(again.Target == target && !again.TargetProblem && again.Items.size() == 2);
    }
    EXPECT_EQ(ReadProjectText(std::get<1>(cases[5])).TargetProblem,
              "プロジェクトの設定 (Runtime=RGSS9, Width=544, Height=416) を読めません。RGSS1 "
              "(640x480) として開きます。");
}

} // namespace
} // namespace volmar
