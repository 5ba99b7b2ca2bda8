#include "app/MainForm.h"
#include "dialogs/QtDialogs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VOLMAR"));
    volmar::QtDialogs dialogs;
    TMainForm form(dialogs);
    form.show();
    return app.exec();
}
