#include "dialogs/SpinArrows.h"

#include <QAbstractSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace volmar {

namespace {

QToolButton* Arrow(Qt::ArrowType direction, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(direction);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

} // namespace

SpinArrows::SpinArrows(QAbstractSpinBox& field, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = Arrow(Qt::UpArrow, "Up", this);
    QToolButton* down = Arrow(Qt::DownArrow, "Down", this);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, &field, [&field] { field.stepBy(1); });
    connect(down, &QToolButton::clicked, &field, [&field] { field.stepBy(-1); });
}

} // namespace volmar
