#include "settings/UpDownButtons.h"

#include <QAbstractSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace volmar {

namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

} // namespace

UpDownButtons::UpDownButtons(QAbstractSpinBox& field, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = ArrowButton(Qt::UpArrow, this);
    QToolButton* down = ArrowButton(Qt::DownArrow, this);
    up->setObjectName(QStringLiteral("Up"));
    down->setObjectName(QStringLiteral("Down"));
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, &field, [&field] { field.stepBy(1); });
    connect(down, &QToolButton::clicked, &field, [&field] { field.stepBy(-1); });
}

} // namespace volmar
