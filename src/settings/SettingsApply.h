#pragma once

#include <QString>
#include <QtGlobal>

namespace volmar {

class SettingsStore;

// The ten values of setting.ini as the editor holds them. Colours are the
// stored encodings (ColorValues.h); the apply step resolves them.
struct EditorSettings {
    qint32 GridX;
    qint32 GridY;
    QString PicturePath;
    quint32 FormColor;
    quint32 GridColor;
    quint32 HandleColor;
    quint32 MultiSelectColor;
    bool Snap;
    bool ShowGrid;
    bool ShowRuler;
};

// The editor's start values, before anything is read.
EditorSettings FactorySettings();

// What the apply step hands to the editor: each key of the file, or the
// editor's current value where the key is missing or unreadable. A grid
// spacing below 1 is unreadable. The picture path defaults to empty whatever
// the current skin, so a missing key gives the built-in skin.
EditorSettings SettingsToApply(const SettingsStore& store, const EditorSettings& current);

// The setters of the editor through which the settings reach it.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;
    virtual void SetGridSpacingX(qint32 spacing) = 0;
    virtual void SetGridSpacingY(qint32 spacing) = 0;
    // Throws VolmarError when the file exists but is not a usable picture.
    virtual void LoadSkin(const QString& path) = 0;
    virtual void SetCanvasColor(quint32 bgr) = 0;
    virtual void SetGridColor(quint32 bgr) = 0;
    virtual void SetHandleColor(quint32 bgr) = 0;
    virtual void SetMultiSelectColor(quint32 bgr) = 0;
    virtual void SetSnap(bool snap) = 0;
    virtual void SetGridVisible(bool visible) = 0;
    virtual void SetRulersVisible(bool visible) = 0;
};

// Calls the setters in the fixed order GridX, GridY, PicturePath, the four
// colours, Snap, ShowGrid, ShowRuler. Colours reach the editor as plain
// 0x00BBGGRR values. A failed skin load ends the step: the values after it
// are not applied and the error propagates.
void ApplySettings(const EditorSettings& values, SettingsTarget& target);

// Apply settings: reads the file at path and applies it; the file is not written.
void ApplySettingsFile(const QString& path, const EditorSettings& current, SettingsTarget& target);

// The main window's close: writes the three view toggles as "1" or "0" into
// the file at path, keeping everything else in it.
void SaveViewToggles(const QString& path, bool snap, bool showGrid, bool showRuler);

} // namespace volmar
