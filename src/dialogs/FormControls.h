#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

namespace volmar {

// Names a control and puts it at its place in its parent's client area.
template <typename T> T* Place(T* control, const char* name, int x, int y, int w, int h) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(x, y, w, h);
    return control;
}

// A caption over a field, its bottom 3 pixels above the field's top; it
// takes the field's name with "Label" appended.
QLabel* LabelAbove(QWidget& field, const QString& caption);

} // namespace volmar
