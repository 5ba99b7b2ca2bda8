#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VOLMAR"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("VOLMAR"));
    window.resize(706, 685);
    window.show();
    return app.exec();
}
