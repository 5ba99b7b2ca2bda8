#include "settings/FormSetting.h"

#include "dialogs/Dialogs.h"
#include "dialogs/FormControls.h"
#include "dialogs/FormLook.h"
#include "dialogs/SpinArrows.h"
#include "settings/ColorPicker.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace volmar;

namespace {

// A caption at a fixed place, as tall as its text.
QLabel* LabelAt(QWidget* parent, const char* name, const QString& caption, int x, int y) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QSpinBox* GridSpin(QWidget* parent, const char* name, int x, int min, int max, int initial) {
    auto* spin = Place(new QSpinBox(parent), name, x, 36, 166, 21);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setRange(min, max);
    spin->setValue(initial);
    return spin;
}

ColorPicker* Picker(Dialogs& dialogs, QWidget* parent, const char* name, int y, quint32 initial) {
    return Place(new ColorPicker(dialogs, initial, parent), name, 12, y, 379, 22);
}

} // namespace

TSettingForm::TSettingForm(Dialogs& dialogs, const QString& settingsPath, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), settingsPath_(settingsPath) {
    setObjectName(QStringLiteral("TSettingForm"));
    setWindowTitle(QStringLiteral("設定"));
    setFont(FormFont());
    PlaceForm(*this, 454, 382, true);
    CreateControls();
    LoadFromFile();
}

void TSettingForm::CreateControls() {
    auto* group =
        Place(new QGroupBox(QStringLiteral("編集オプション"), this), "GroupBox1", 24, 21, 403, 292);

    gridX_ = GridSpin(group, "LabeledEdit1", 12, setting::kGridXMin, setting::kGridXMax,
                      setting::kDefaultGridX);
    LabelAbove(*gridX_, QStringLiteral("グリッド幅(X)"));
    Place(new SpinArrows(*gridX_, group), "UpDownGridX", 178, 36, 16, 21);
    gridY_ = GridSpin(group, "LabeledEdit2", 210, setting::kGridYMin, setting::kGridYMax,
                      setting::kDefaultGridY);
    LabelAbove(*gridY_, QStringLiteral("グリッド幅(Y)"));
    Place(new SpinArrows(*gridY_, group), "UpDownGridY", 376, 36, 16, 21);

    skinPath_ = Place(new QLineEdit(group), "EditSkinPath", 12, 81, 351, 21);
    LabelAbove(*skinPath_, QStringLiteral("起動時にセットするウインドウスキンのフルパス"));
    auto* browse = Place(new QPushButton(QStringLiteral("…"), group), "Button1", 369, 81, 22, 21);
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &TSettingForm::Button1Click);

    LabelAt(group, "Label1", QStringLiteral("フォームエディタの背景色"), 12, 108);
    formColor_ = Picker(dialogs_, group, "ColorFormColor", 124, setting::kDefaultFormColor);
    LabelAt(group, "Label2", QStringLiteral("グリッドの点の色"), 12, 153);
    gridColor_ = Picker(dialogs_, group, "ColorGridColor", 169, setting::kDefaultGridColor);
    LabelAt(group, "Label3", QStringLiteral("ハンドルの色"), 12, 197);
    handleColor_ = Picker(dialogs_, group, "ColorHandleColor", 214, setting::kDefaultHandleColor);
    LabelAt(group, "Label4", QStringLiteral("複数選択時のハンドルの色"), 12, 243);
    multiHandleColor_ =
        Picker(dialogs_, group, "ColorMHandleColor", 262, setting::kDefaultMultiSelectColor);

    auto* ok = Place(new QPushButton(QStringLiteral("OK(&O)"), this), "SettingSaveButton", 260, 333,
                     75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TSettingForm::SettingSaveButtonClick);
    auto* cancel =
        Place(new QPushButton(QStringLiteral("キャンセル"), this), "Button2", 341, 333, 75, 25);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// Fills the controls from the file, each key defaulting to its control's
// initial value, and writes the file back (creating it on a first run).
void TSettingForm::LoadFromFile() {
    const SettingsStore store = SettingsStore::Load(settingsPath_);
    gridX_->setValue(store.ReadInteger(setting::kGridX, gridX_->value()));
    gridY_->setValue(store.ReadInteger(setting::kGridY, gridY_->value()));
    skinPath_->setText(store.ReadText(setting::kPicturePath, skinPath_->text()));
    formColor_->SetSelected(store.ReadColor(setting::kColorFormColor, formColor_->Selected()));
    gridColor_->SetSelected(store.ReadColor(setting::kColorGridColor, gridColor_->Selected()));
    handleColor_->SetSelected(
        store.ReadColor(setting::kColorHandleColor, handleColor_->Selected()));
    multiHandleColor_->SetSelected(
        store.ReadColor(setting::kFormEditorColor, multiHandleColor_->Selected()));
    store.Save(settingsPath_);
}

void TSettingForm::SaveToFile() {
    gridX_->interpretText();
    gridY_->interpretText();
    SettingsStore store = SettingsStore::Load(settingsPath_);
    store.WriteInteger(setting::kGridX, gridX_->value());
    store.WriteInteger(setting::kGridY, gridY_->value());
    store.WriteText(setting::kPicturePath, skinPath_->text());
    store.WriteColor(setting::kColorFormColor, formColor_->Selected());
    store.WriteColor(setting::kColorGridColor, gridColor_->Selected());
    store.WriteColor(setting::kColorHandleColor, handleColor_->Selected());
    store.WriteColor(setting::kFormEditorColor, multiHandleColor_->Selected());
    store.Save(settingsPath_);
}

// OK: the dialog closes as confirmed only once the file is saved; a failure
// shows in the standard error box and leaves the dialog open.
void TSettingForm::SettingSaveButtonClick() {
    RunGuarded(dialogs_, this, [this] {
        SaveToFile();
        accept();
    });
}

void TSettingForm::Button1Click() {
    if (const std::optional<QString> path = dialogs_.OpenPicturePath(this))
        skinPath_->setText(*path);
}
