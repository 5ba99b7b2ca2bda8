#include "app/HintFormWnd.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPalette>

namespace {

QPalette HintPalette() {
    const QPalette system = QApplication::palette();
    QPalette palette = system;
    palette.setColor(QPalette::Window, system.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, system.color(QPalette::WindowText));
    return palette;
}

QFont HintFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11); // 8 pt at 96 dpi
    return font;
}

} // namespace

THintFormWnd::THintFormWnd(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
    SetUpWindow();
    SetUpLabel();
}

void THintFormWnd::SetUpWindow() {
    setObjectName(QStringLiteral("HintFormWnd"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kClientWidth, kClientHeight);
    setWindowOpacity(kOpacity / 255.0);
    setPalette(HintPalette());
    setAutoFillBackground(true);
}

void THintFormWnd::SetUpLabel() {
    hintLabel_ = new QLabel(this);
    hintLabel_->setObjectName(QStringLiteral("HintLabel"));
    hintLabel_->setGeometry(0, 0, kClientWidth, kClientHeight);
    hintLabel_->setAutoFillBackground(true);
    hintLabel_->setFont(HintFont());
    hintLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    hintLabel_->setWordWrap(false);
}

void THintFormWnd::ShowCanvasHint(const QString& text, QPoint globalPointer) {
    hintLabel_->setText(text);
    move(globalPointer + QPoint(0, kPointerGap));
    if (!isVisible())
        show();
}

void THintFormWnd::HideCanvasHint() {
    hide();
}
