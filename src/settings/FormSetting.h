#pragma once

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace volmar {
class ColorPicker;
class Dialogs;
} // namespace volmar

// The settings dialog: grid spacings, the start-up window skin and the four
// colours of the canvas and the frames. Creating it reads setting.ini into
// the controls and writes the file back; OK writes the seven keys it shows.
class TSettingForm : public QDialog {
    Q_OBJECT

public:
    // Throws VolmarError when the settings file cannot be written back.
    TSettingForm(volmar::Dialogs& dialogs, const QString& settingsPath, QWidget* parent = nullptr);

    void SettingSaveButtonClick();
    void Button1Click();

private:
    void CreateControls();
    void LoadFromFile();
    void SaveToFile();

    volmar::Dialogs& dialogs_;
    QString settingsPath_;
    QSpinBox* gridX_ = nullptr;
    QSpinBox* gridY_ = nullptr;
    QLineEdit* skinPath_ = nullptr;
    volmar::ColorPicker* formColor_ = nullptr;
    volmar::ColorPicker* gridColor_ = nullptr;
    volmar::ColorPicker* handleColor_ = nullptr;
    volmar::ColorPicker* multiHandleColor_ = nullptr;
};
