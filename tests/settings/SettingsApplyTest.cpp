#include "settings/SettingsApply.h"

#include "SettingsTestSupport.h"
#include "document/VolmarError.h"
#include "render/Colors.h"
#include "settings/ColorValues.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStringList>

#include <gtest/gtest.h>

using volmar::EditorSettings;
using volmar::test::CrLfLines;
using volmar::test::SettingsFixtureFolder;

namespace {

// Records every setter call as "Name=value", in order.
class RecordingTarget : public volmar::SettingsTarget {
public:
    QStringList calls;
    bool failSkin = false;

    void SetGridSpacingX(qint32 v) override { Record("GridX", v); }
    void SetGridSpacingY(qint32 v) override { Record("GridY", v); }
    void LoadSkin(const QString& path) override {
        calls << QStringLiteral("Skin=") + path;
        if (failSkin)
            throw volmar::VolmarError(QStringLiteral("拡張子 .txt の画像形式は処理できません"));
    }
    void SetCanvasColor(quint32 v) override { Record("Canvas", v); }
    void SetGridColor(quint32 v) override { Record("Grid", v); }
    void SetHandleColor(quint32 v) override { Record("Handle", v); }
    void SetMultiSelectColor(quint32 v) override { Record("Multi", v); }
    void SetSnap(bool v) override { Record("Snap", v); }
    void SetGridVisible(bool v) override { Record("ShowGrid", v); }
    void SetRulersVisible(bool v) override { Record("Rulers", v); }

private:
    void Record(const char* name, qint64 value) {
        calls << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(value);
    }
};

QStringList Apply(const QByteArray* file, const EditorSettings& current, RecordingTarget& target) {
    SettingsFixtureFolder folder;
    if (file != nullptr)
        folder.Write(*file);
    volmar::ApplySettingsFile(folder.Path(), current, target);
    EXPECT_EQ(folder.Exists(), file != nullptr) << "applying must not write the file";
    return target.calls;
}

} // namespace

TEST(SettingsApply, FirstRunAppliesTheFactoryValuesInOrder) {
    RecordingTarget target;
    EXPECT_EQ(Apply(nullptr, volmar::FactorySettings(), target),
              QStringList({"GridX=10", "GridY=10", "Skin=", "Canvas=0", "Grid=16777215",
                           "Handle=255", "Multi=16777215", "Snap=1", "ShowGrid=1", "Rulers=1"}));
}

TEST(SettingsApply, MissingKeysKeepTheCurrentValuesButThePicturePathDoesNot) {
    EditorSettings current = volmar::FactorySettings();
    current.GridX = 7;
    current.PicturePath = QStringLiteral("/skins/old.png");
    current.HandleColor = 0x00FF00;
    current.Snap = false;
    current.ShowRuler = false;
    const QByteArray file = CrLfLines({"[Setting]", "GridY=24", "ShowGrid=0", ""});
    RecordingTarget target;
    EXPECT_EQ(Apply(&file, current, target),
              QStringList({"GridX=7", "GridY=24", "Skin=", "Canvas=0", "Grid=16777215",
                           "Handle=65280", "Multi=16777215", "Snap=0", "ShowGrid=0", "Rulers=0"}));
}

TEST(SettingsApply, SpacingsOutsideTheDialogRangeApplyButBelowOneAreUnreadable) {
    const QByteArray big = CrLfLines({"[Setting]", "GridX=700", "GridY=1"});
    RecordingTarget a;
    EXPECT_EQ(Apply(&big, volmar::FactorySettings(), a).mid(0, 2),
              QStringList({"GridX=700", "GridY=1"}));
    const QByteArray small = CrLfLines({"[Setting]", "GridX=0", "GridY=-5"});
    RecordingTarget b;
    EXPECT_EQ(Apply(&small, volmar::FactorySettings(), b).mid(0, 2),
              QStringList({"GridX=10", "GridY=10"}));
}

TEST(SettingsApply, HexHandleColourReadsAsRed) {
    const QByteArray file = CrLfLines({"[Setting]", "ColorHandleColor=0xFF"});
    EditorSettings current = volmar::FactorySettings();
    current.HandleColor = 0xFFFFFF;
    RecordingTarget target;
    EXPECT_TRUE(Apply(&file, current, target).contains(QStringLiteral("Handle=255")));
}

TEST(SettingsApply, ReservedColoursReachTheEditorAsPlainColours) {
    const QByteArray file =
        CrLfLines({"[Setting]", "ColorFormColor=536870911", "ColorGridColor=536870912",
                   "ColorHandleColor=0x80000008", "FormEditorColor=0x800000FF"});
    RecordingTarget target;
    const QStringList calls = Apply(&file, volmar::FactorySettings(), target);
    const quint32 text = volmar::BgrFromColor(QGuiApplication::palette().color(QPalette::Text));
    EXPECT_EQ(calls.mid(3, 4),
              QStringList({"Canvas=16777215", "Grid=16777215",
                           QStringLiteral("Handle=%1").arg(text), "Multi=16777215"}));
}

TEST(SettingsApply, FailedSkinLoadStopsTheSettingsAfterIt) {
    const QByteArray file =
        CrLfLines({"[Setting]", "GridX=20", "PicturePath=/skins/notes.txt", "ShowGrid=0"});
    RecordingTarget target;
    target.failSkin = true;
    SettingsFixtureFolder folder;
    folder.Write(file);
    EXPECT_THROW(volmar::ApplySettingsFile(folder.Path(), volmar::FactorySettings(), target),
                 volmar::VolmarError);
    EXPECT_EQ(target.calls, QStringList({"GridX=20", "GridY=10", "Skin=/skins/notes.txt"}));
}
