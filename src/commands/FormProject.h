#pragma once

#include "document/RuntimeTarget.h"

#include <QDialog>

class QComboBox;
class QPushButton;

// The project's settings: the runtime it is made for and, for RGSS3, the
// size of the game screen (544x416 or, with Graphics.resize_screen, 640x480).
class TProjectForm : public QDialog {
    Q_OBJECT

public:
    explicit TProjectForm(QWidget* parent = nullptr);

    void Fill(const volmar::RuntimeTarget& target);
    volmar::RuntimeTarget Target() const;

    QComboBox* RuntimeBox = nullptr; // RGSS1, RGSS2, RGSS3
    QComboBox* ScreenBox = nullptr;  // the screen sizes the runtime offers
    QPushButton* ButtonOk = nullptr;
    QPushButton* ButtonCancel = nullptr;

private:
    void OfferScreens();
};
