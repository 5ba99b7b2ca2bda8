// The stored settings: applied at start-up and after a confirmed settings
// dialog, the view toggles written when the window closes.
#include "app/MainForm.h"

#include "settings/SettingsApply.h"
#include "settings/SettingsFolder.h"

namespace {

// The main window's setters, as the settings apply step sees them.
class MainFormSettingsTarget : public volmar::SettingsTarget {
public:
    explicit MainFormSettingsTarget(TMainForm& form) : form_(form) {}

    void SetGridSpacingX(qint32 spacing) override { form_.setGridSpacingX(spacing); }
    void SetGridSpacingY(qint32 spacing) override { form_.setGridSpacingY(spacing); }
    void LoadSkin(const QString& path) override { form_.loadSkin(path); }
    void SetCanvasColor(quint32 bgr) override { form_.setCanvasColor(bgr); }
    void SetGridColor(quint32 bgr) override { form_.setGridColor(bgr); }
    void SetHandleColor(quint32 bgr) override { form_.setHandleColor(bgr); }
    void SetMultiSelectColor(quint32 bgr) override { form_.setMultiSelectColor(bgr); }
    void SetSnap(bool snap) override { form_.setSnap(snap); }
    void SetGridVisible(bool visible) override { form_.setGridVisible(visible); }
    void SetRulersVisible(bool visible) override { form_.setRulersVisible(visible); }

private:
    TMainForm& form_;
};

} // namespace

// A skin that fails to load is shown in the standard error box and ends the
// step: the settings after "PicturePath" keep their values.
void TMainForm::ApplySettings() {
    runGuarded([this] {
        const volmar::EditorDisplayState& view = displayState();
        const volmar::EditorSettings current{view.GridX,
                                             view.GridY,
                                             QString(),
                                             view.FormColor,
                                             view.GridColor,
                                             view.HandleColor,
                                             view.MultiSelectColor,
                                             view.Snap,
                                             view.GridVisible,
                                             rulersVisible()};
        MainFormSettingsTarget target(*this);
        volmar::ApplySettingsFile(volmar::SettingsFilePath(), current, target);
    });
    invalidateCanvas();
}

void TMainForm::FormClose() {
    volmar::SaveViewToggles(volmar::SettingsFilePath(), displayState().Snap,
                            displayState().GridVisible, rulersVisible());
    SaveViewOptions();
}
