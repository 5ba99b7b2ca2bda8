#include "dialogs/FormControls.h"

namespace volmar {

QLabel* LabelAbove(QWidget& field, const QString& caption) {
    auto* label = new QLabel(caption, field.parentWidget());
    label->setObjectName(field.objectName() + QStringLiteral("Label"));
    label->setBuddy(&field);
    const int height = label->sizeHint().height();
    label->setGeometry(field.x(), field.y() - height - 3, field.width(), height);
    return label;
}

} // namespace volmar
