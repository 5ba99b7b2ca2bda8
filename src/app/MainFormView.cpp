// The editor's display state: grid, snapping, colours, rulers and the skin.
#include "app/MainForm.h"
#include "app/PaintBox.h"

#include "dialogs/Dialogs.h"
#include "render/SkinLayout.h"
#include "render/SkinLoader.h"

#include <QAction>

void TMainForm::setGridSpacingX(qint32 spacing) {
    // The grid painter and the snapping step by the spacing.
    if (spacing < 1)
        return;
    view_.GridX = spacing;
    ApplyViewToFrames();
    invalidateCanvas();
}

void TMainForm::setGridSpacingY(qint32 spacing) {
    if (spacing < 1)
        return;
    view_.GridY = spacing;
    ApplyViewToFrames();
    invalidateCanvas();
}

void TMainForm::setCanvasColor(quint32 bgr) {
    view_.FormColor = bgr;
    background_.SetCanvasColour(bgr);
    invalidateCanvas();
}

void TMainForm::setGridColor(quint32 bgr) {
    view_.GridColor = bgr;
    invalidateCanvas();
}

void TMainForm::setHandleColor(quint32 bgr) {
    view_.HandleColor = bgr;
    ApplyViewToFrames();
    invalidateCanvas();
}

void TMainForm::setMultiSelectColor(quint32 bgr) {
    view_.MultiSelectColor = bgr;
    ApplyViewToFrames();
    invalidateCanvas();
}

// Snapping changes nothing that is painted.
void TMainForm::setSnap(bool snap) {
    view_.Snap = snap;
    ApplyViewToFrames();
}

void TMainForm::setGridVisible(bool visible) {
    view_.GridVisible = visible;
    invalidateCanvas();
}

// Hidden from the window's own point of view, so that the answer does not
// depend on whether the window itself is shown yet.
bool TMainForm::rulersVisible() const {
    return !rulerXPanel->isHidden();
}

void TMainForm::setRulersVisible(bool visible) {
    rulerXPanel->setVisible(visible);
    rulerYPanel->setVisible(!rulerXPanel->isHidden());
}

void TMainForm::aacViewGridLineExecute() {
    setGridVisible(!view_.GridVisible);
}

void TMainForm::aacSnapViewGridExecute() {
    setSnap(!view_.Snap);
}

// Each ruler is toggled by itself; the canvas keeps its place.
void TMainForm::aacViewrulerExecute() {
    rulerXPanel->setVisible(rulerXPanel->isHidden());
    rulerYPanel->setVisible(rulerYPanel->isHidden());
}

void TMainForm::loadSkin(const QString& path) {
    skin_ = QImage();
    skinPath_ = path;
    skin_ = volmar::LoadSkin(path, document_.Target().Version);
    const QString problem = volmar::SkinSizeProblem(skin_.size());
    if (!problem.isEmpty())
        ShowNotice(problem);
}

void TMainForm::aacSkinChangeExecute() {
    const std::optional<QString> path = dialogs_.OpenPicturePath(this);
    if (!path)
        return;
    ChangeSkin(*path);
}

void TMainForm::ChangeSkin(const QString& path) {
    loadSkin(path);
    WindowEditor->repaint();
}
