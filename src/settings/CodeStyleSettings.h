#pragma once

#include "document/CodeStyle.h"

#include <QString>

namespace volmar {

// The code generator's style, kept in setting.ini in the section "[Editor]":
// "CodeStyle" is "window" or "base", "CodeWindowskin" and "CodeDispose" are
// 0 or 1. The section holds other keys of the editor as well.

// A missing file, key or unknown value reads as the default style.
CodeStyle ReadCodeStyle(const QString& settingsPath);

// Writes the three keys, each in its place; every other key and section stays
// as it is. Throws VolmarError when the file cannot be written.
void SaveCodeStyle(const QString& settingsPath, const CodeStyle& style);

} // namespace volmar
