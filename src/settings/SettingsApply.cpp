#include "settings/SettingsApply.h"

#include "settings/ColorValues.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

namespace volmar {

namespace {

qint32 ReadSpacing(const SettingsStore& store, const QString& key, qint32 current) {
    const qint32 value = store.ReadInteger(key, current);
    return value >= 1 ? value : current;
}

} // namespace

EditorSettings FactorySettings() {
    using namespace setting;
    return {kDefaultGridX,
            kDefaultGridY,
            QString(),
            kDefaultFormColor,
            kDefaultGridColor,
            kDefaultHandleColor,
            kDefaultMultiSelectColor,
            kDefaultSnap,
            kDefaultShowGrid,
            kDefaultShowRuler};
}

EditorSettings SettingsToApply(const SettingsStore& store, const EditorSettings& current) {
    using namespace setting;
    EditorSettings next;
    next.GridX = ReadSpacing(store, kGridX, current.GridX);
    next.GridY = ReadSpacing(store, kGridY, current.GridY);
    next.PicturePath = store.ReadText(kPicturePath, QString());
    next.FormColor = store.ReadColor(kColorFormColor, current.FormColor);
    next.GridColor = store.ReadColor(kColorGridColor, current.GridColor);
    next.HandleColor = store.ReadColor(kColorHandleColor, current.HandleColor);
    next.MultiSelectColor = store.ReadColor(kFormEditorColor, current.MultiSelectColor);
    next.Snap = store.ReadBool(kSnap, current.Snap);
    next.ShowGrid = store.ReadBool(kShowGrid, current.ShowGrid);
    next.ShowRuler = store.ReadBool(kShowRuler, current.ShowRuler);
    return next;
}

void ApplySettings(const EditorSettings& values, SettingsTarget& target) {
    using namespace setting;
    target.SetGridSpacingX(values.GridX);
    target.SetGridSpacingY(values.GridY);
    target.LoadSkin(values.PicturePath);
    target.SetCanvasColor(DisplayColor(values.FormColor, kDefaultFormColor));
    target.SetGridColor(DisplayColor(values.GridColor, kDefaultGridColor));
    target.SetHandleColor(DisplayColor(values.HandleColor, kDefaultHandleColor));
    target.SetMultiSelectColor(DisplayColor(values.MultiSelectColor, kDefaultMultiSelectColor));
    target.SetSnap(values.Snap);
    target.SetGridVisible(values.ShowGrid);
    target.SetRulersVisible(values.ShowRuler);
}

void ApplySettingsFile(const QString& path, const EditorSettings& current, SettingsTarget& target) {
    ApplySettings(SettingsToApply(SettingsStore::Load(path), current), target);
}

void SaveViewToggles(const QString& path, bool snap, bool showGrid, bool showRuler) {
    SettingsStore store = SettingsStore::Load(path);
    store.WriteBool(setting::kSnap, snap);
    store.WriteBool(setting::kShowGrid, showGrid);
    store.WriteBool(setting::kShowRuler, showRuler);
    store.Save(path);
}

} // namespace volmar
