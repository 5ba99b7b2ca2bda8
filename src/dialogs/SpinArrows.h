#pragma once

#include <QWidget>

class QAbstractSpinBox;

namespace volmar {

// The up and down arrows beside a spin field, as a control of their own, so
// that the field and its arrows can be placed apart. Each click steps the
// field by one; the arrows never take the keyboard focus.
class SpinArrows : public QWidget {
    Q_OBJECT

public:
    explicit SpinArrows(QAbstractSpinBox& field, QWidget* parent = nullptr);
};

} // namespace volmar
