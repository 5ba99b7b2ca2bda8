// The view options of our own: the contents areas, the window names and the
// background picture, and their place in setting.ini.
#include "app/MainForm.h"
#include "app/PaintBox.h"

#include "dialogs/Dialogs.h"
#include "settings/SettingsFolder.h"
#include "settings/ViewOptions.h"

#include <QAction>
#include <QFileInfo>

void TMainForm::setShowContents(bool show) {
    view_.ShowContents = show;
    invalidateCanvas();
}

void TMainForm::setShowWindowNames(bool show) {
    view_.ShowWindowNames = show;
    invalidateCanvas();
}

// The old picture goes first, so a picture that fails leaves none.
void TMainForm::loadBackground(const QString& path) {
    background_ = volmar::BackgroundPicture();
    invalidateCanvas();
    background_ = volmar::BackgroundPicture::Load(path, view_.FormColor);
}

void TMainForm::removeBackground() {
    background_ = volmar::BackgroundPicture();
    invalidateCanvas();
}

void TMainForm::aacViewContentsExecute() {
    setShowContents(!view_.ShowContents);
}

void TMainForm::aacViewWindowNamesExecute() {
    setShowWindowNames(!view_.ShowWindowNames);
}

void TMainForm::aacBackgroundChangeExecute() {
    const std::optional<QString> path = dialogs_.OpenPicturePath(this);
    if (!path)
        return;
    loadBackground(*path);
}

void TMainForm::aacBackgroundRemoveExecute() {
    removeBackground();
}

void TMainForm::aacViewOptionsUpdate() {
    aacSnapToWindows->setChecked(view_.SnapToWindows);
    aacViewContents->setChecked(view_.ShowContents);
    aacViewWindowNames->setChecked(view_.ShowWindowNames);
    aacBackgroundRemove->setEnabled(!background_.IsEmpty());
}

// At start-up: a picture whose file has gone is dropped without a word; one
// that cannot be read is reported once and dropped too, so it is not stored
// again.
void TMainForm::ApplyViewOptions() {
    const volmar::ViewOptions options = volmar::ReadViewOptions(volmar::SettingsFilePath());
    setSnapToWindows(options.SnapToWindows);
    setShowContents(options.ShowContents);
    setShowWindowNames(options.ShowWindowNames);
    setZoom(options.ZoomPercent / 100);
    if (!options.BackgroundPath.isEmpty() && QFileInfo(options.BackgroundPath).isFile())
        runGuarded([this, &options] { loadBackground(options.BackgroundPath); });
}

void TMainForm::SaveViewOptions() const {
    volmar::ViewOptions options;
    options.SnapToWindows = view_.SnapToWindows;
    options.ShowContents = view_.ShowContents;
    options.ShowWindowNames = view_.ShowWindowNames;
    options.BackgroundPath = background_.Path();
    options.ZoomPercent = view_.Zoom * 100;
    volmar::SaveViewOptions(volmar::SettingsFilePath(), options);
}
