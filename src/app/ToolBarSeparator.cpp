#include "app/ToolBarSeparator.h"

#include <QPainter>
#include <QStyleOption>

namespace volmar {

ToolBarSeparator::ToolBarSeparator(int width, QWidget* parent) : QWidget(parent) {
    setFixedWidth(width);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void ToolBarSeparator::paintEvent(QPaintEvent*) {
    QStyleOption option;
    option.initFrom(this);
    option.state |= QStyle::State_Horizontal;
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, &painter, this);
}

} // namespace volmar
