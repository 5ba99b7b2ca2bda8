#pragma once

#include "commands/SpinValue.h"
#include "document/WindowItem.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The window property dialog: the name, size and position of one window
// definition as numbers. The spin fields hold 16-bit values within their
// ranges; a value given outside a range is set to the nearest bound.
class TPropertyForm : public QDialog {
    Q_OBJECT

public:
    explicit TPropertyForm(QWidget* parent = nullptr);

    // The position fields reach across this canvas (the default one until set).
    void SetCanvas(const volmar::CanvasSize& canvas);
    // Fills the fields from a definition: height, width, Y, X, then the name
    // as it reads after the CP932 round trip.
    void Fill(const TWindowItem& item);
    // Writes the fields into the definition the dialog was filled from:
    // left = X, top = Y, right = left + width, bottom = top + height, and the
    // name exactly as typed (through CP932). A field that still shows what
    // Fill put there leaves that value of the definition as it was, so a
    // window beyond a field's range keeps its place, size or name.
    void ApplyTo(TWindowItem& item) const;

    QGroupBox* GroupBox3 = nullptr; // "基本"
    QLineEdit* EditWindowName = nullptr;
    QGroupBox* GroupBox1 = nullptr; // "大きさ"
    QSpinBox* EditWidth = nullptr;
    QSpinBox* EditHeight = nullptr;
    QGroupBox* GroupBox2 = nullptr; // "位置"
    QSpinBox* EditX = nullptr;
    QSpinBox* EditY = nullptr;
    QPushButton* Button2 = nullptr; // OK, the default button
    QPushButton* Button1 = nullptr; // cancel, also Esc

private:
    void CreateControls();
    void SetTabOrder();

    volmar::SpinRange xRange_ = volmar::kXRange;
    volmar::SpinRange yRange_ = volmar::kYRange;

    // What Fill put into the fields.
    struct Shown {
        int Width = 0;
        int Height = 0;
        int X = 0;
        int Y = 0;
        QString Name;
    } shown_;
};
