#include "settings/DialogPlacement.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace volmar {

void SetUpFixedForm(QWidget& form, int clientWidth, int clientHeight) {
    form.setFont(QFont(QStringLiteral("Tahoma"), 8));
    form.setWindowFlags((form.windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                        ~Qt::WindowContextHelpButtonHint);
    form.setFixedSize(clientWidth, clientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                             screen->availableGeometry()));
    }
}

} // namespace volmar
