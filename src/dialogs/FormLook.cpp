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

} // namespace volmar
