#include "settings/CodeStyleSettings.h"

#include "document/FileReplace.h"
#include "settings/EditorSection.h"

namespace volmar {

namespace {

constexpr QByteArrayView kSection = kEditorSection;
constexpr QByteArrayView kStyleKey = "CodeStyle";
constexpr QByteArrayView kWindowskinKey = "CodeWindowskin";
constexpr QByteArrayView kDisposeKey = "CodeDispose";

} // namespace

CodeStyle ReadCodeStyle(const QString& settingsPath) {
    const IniStore ini = LoadSettingsIni(settingsPath);
    CodeStyle style;
    style.Form = CodeFormFromName(ini.ReadString(kSection, kStyleKey)).value_or(style.Form);
    style.Windowskin = ini.ReadBool(kSection, kWindowskinKey, style.Windowskin);
    style.Dispose = ini.ReadBool(kSection, kDisposeKey, style.Dispose);
    return style;
}

void SaveCodeStyle(const QString& settingsPath, const CodeStyle& style) {
    IniStore ini = LoadSettingsIni(settingsPath);
    ini.SetString(kSection, kStyleKey, CodeFormName(style.Form));
    ini.SetBool(kSection, kWindowskinKey, style.Windowskin);
    ini.SetBool(kSection, kDisposeKey, style.Dispose);
    ReplaceFileContent(settingsPath, ini.Write());
}

} // namespace volmar
