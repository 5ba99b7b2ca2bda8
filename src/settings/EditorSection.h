#pragma once

#include "document/IniStore.h"

#include <QByteArrayView>
#include <QString>

namespace volmar {

// The section of setting.ini that holds the editor's own options, beside the
// "Setting" section; each part of the editor writes only its own keys there.
inline constexpr QByteArrayView kEditorSection = "Editor";

// The whole settings file, so that writing it back loses nothing; a missing
// or unreadable file reads as empty.
IniStore LoadSettingsIni(const QString& path);

} // namespace volmar
