#pragma once

#include <QWidget>

class QAbstractSpinBox;

namespace volmar {

// The up and down arrows beside a spin field, as a control of their own:
// each click steps the field it is tied to by one.
class UpDownButtons : public QWidget {
    Q_OBJECT

public:
    UpDownButtons(QAbstractSpinBox& field, QWidget* parent = nullptr);
};

} // namespace volmar
