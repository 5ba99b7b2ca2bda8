#include "settings/CodeStyleSettings.h"

#include "document/BoundedRead.h"
#include "document/FileReplace.h"
#include "document/IniStore.h"

#include <QFile>

namespace volmar {

namespace {

constexpr QByteArrayView kSection = "Editor";
constexpr QByteArrayView kStyleKey = "CodeStyle";
constexpr QByteArrayView kWindowskinKey = "CodeWindowskin";
constexpr QByteArrayView kDisposeKey = "CodeDispose";

// The whole file, so that writing it back loses nothing; a missing or
// unreadable one reads as empty.
IniStore LoadIni(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? IniStore::Read(ReadAtMost(file)) : IniStore();
}

} // namespace

CodeStyle ReadCodeStyle(const QString& settingsPath) {
    const IniStore ini = LoadIni(settingsPath);
    CodeStyle style;
    style.Form = CodeFormFromName(ini.ReadString(kSection, kStyleKey)).value_or(style.Form);
    style.Windowskin = ini.ReadBool(kSection, kWindowskinKey, style.Windowskin);
    style.Dispose = ini.ReadBool(kSection, kDisposeKey, style.Dispose);
    return style;
}

void SaveCodeStyle(const QString& settingsPath, const CodeStyle& style) {
    IniStore ini = LoadIni(settingsPath);
    ini.SetString(kSection, kStyleKey, CodeFormName(style.Form));
    ini.SetBool(kSection, kWindowskinKey, style.Windowskin);
    ini.SetBool(kSection, kDisposeKey, style.Dispose);
    ReplaceFileContent(settingsPath, ini.Write());
}

} // namespace volmar
