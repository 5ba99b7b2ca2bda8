#include "render/Fonts.h"

#include "render/JapaneseFonts.h"

#include <QGuiApplication>
#include <QPalette>

namespace volmar {

QFont WindowLabelFont() {
    QFont font = QGuiApplication::font();
    font.setPointSize(8);
    font.setStyleStrategy(QFont::NoAntialias);
    return WithJapaneseFallback(font);
}

QFont RulerFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QColor ControlFaceColor() {
    return QGuiApplication::palette().color(QPalette::Button);
}

} // namespace volmar
