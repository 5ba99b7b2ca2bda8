#include "dialogs/FormLook.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace volmar {

QFont FormFont() {
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void PlaceForm(QWidget& form, int clientWidth, int clientHeight, bool fixed) {
    const QSize size(clientWidth, clientHeight);
    if (fixed) {
        form.setWindowFlags((form.windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                            ~Qt::WindowContextHelpButtonHint);
        form.setFixedSize(size);
    } else {
        form.setWindowFlags(form.windowFlags() & ~Qt::WindowContextHelpButtonHint);
        form.resize(size);
    }
    // An explicit place also keeps a dialog from centring itself on its parent.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size,
                                             screen->availableGeometry()));
}

void SetCaptionOnFrameGroupBoxes(QWidget& form) {
    form.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 7px; padding: 0px 2px; }"));
}

} // namespace volmar
