#pragma once

#include <QString>

namespace volmar {

// The editor's view options of our own, kept in setting.ini in the section
// "[Editor]" beside other keys of that section, which are left as they are.
struct ViewOptions {
    bool SnapToWindows = false;  // "SnapToWindows"
    bool ShowContents = false;   // "ShowContentsArea"
    bool ShowWindowNames = true; // "ShowWindowNames"
    QString BackgroundPath;      // "BackgroundPath": empty for none
    int ZoomPercent = 100;       // "Zoom": 100, 200 or 300; other values read as 100
};

// The stored options of the settings file at path; a missing file or key
// gives the default.
ViewOptions ReadViewOptions(const QString& settingsPath);

// Writes the keys, keeping every other key and section of the file as
// it was. Throws VolmarError when the file cannot be written.
void SaveViewOptions(const QString& settingsPath, const ViewOptions& options);

} // namespace volmar
