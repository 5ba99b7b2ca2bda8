#include "settings/ViewOptions.h"

#include "document/Cp932.h"
#include "document/FileReplace.h"
#include "settings/EditorSection.h"

namespace volmar {

namespace {

constexpr QByteArrayView kSection = kEditorSection;
constexpr QByteArrayView kSnapToWindows = "SnapToWindows";
constexpr QByteArrayView kShowContents = "ShowContentsArea";
constexpr QByteArrayView kShowWindowNames = "ShowWindowNames";
constexpr QByteArrayView kBackgroundPath = "BackgroundPath";
constexpr QByteArrayView kZoom = "Zoom";

int KnownZoom(qint32 percent) {
    return percent == 200 || percent == 300 ? percent : 100;
}

} // namespace

ViewOptions ReadViewOptions(const QString& settingsPath) {
    const IniStore ini = LoadSettingsIni(settingsPath);
    const ViewOptions defaults;
    ViewOptions options;
    options.SnapToWindows = ini.ReadBool(kSection, kSnapToWindows, defaults.SnapToWindows);
    options.ShowContents = ini.ReadBool(kSection, kShowContents, defaults.ShowContents);
    options.ShowWindowNames = ini.ReadBool(kSection, kShowWindowNames, defaults.ShowWindowNames);
    options.BackgroundPath = ini.ReadString(kSection, kBackgroundPath);
    options.ZoomPercent = KnownZoom(ini.ReadInteger(kSection, kZoom, defaults.ZoomPercent));
    return options;
}

// A key that holds its default and is not in the file yet stays out, so a
// user who never turns an option on finds the file as it always was.
void SaveViewOptions(const QString& settingsPath, const ViewOptions& options) {
    IniStore ini = LoadSettingsIni(settingsPath);
    const ViewOptions defaults;
    bool changed = false;
    const auto write = [&](QByteArrayView key, const QByteArray& value, bool isDefault) {
        if (isDefault && !ini.Find(kSection, key))
            return;
        ini.SetValue(kSection, key, value);
        changed = true;
    };
    const auto flag = [](bool v) { return v ? QByteArray("1") : QByteArray("0"); };
    write(kSnapToWindows, flag(options.SnapToWindows),
          options.SnapToWindows == defaults.SnapToWindows);
    write(kShowContents, flag(options.ShowContents), options.ShowContents == defaults.ShowContents);
    write(kShowWindowNames, flag(options.ShowWindowNames),
          options.ShowWindowNames == defaults.ShowWindowNames);
    write(kBackgroundPath, ToCp932(options.BackgroundPath), options.BackgroundPath.isEmpty());
    write(kZoom, QByteArray::number(options.ZoomPercent),
          options.ZoomPercent == defaults.ZoomPercent);
    if (changed)
        ReplaceFileContent(settingsPath, ini.Write());
}

} // namespace volmar
