#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Every test starts as a first run of the program: the settings folder lies in
// a home folder of this run only and is emptied before each test, so no test
// sees what an earlier one (or another run, or the user) left in setting.ini.
class FreshSettingsFolder : public ::testing::EmptyTestEventListener {
public:
    explicit FreshSettingsFolder(QString home) : home_(std::move(home)) {}

    void OnTestStart(const ::testing::TestInfo&) override {
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        if (config.startsWith(home_ + QLatin1Char('/')))
            QDir(config).removeRecursively();
        QDir(home_ + QStringLiteral("/AppData")).removeRecursively();
    }

private:
    QString home_;
};

} // namespace

// One runner for every test: logic, rendering and widgets. Widgets run under
// the offscreen platform unless the environment names another one.
int main(int argc, char** argv) {
    // Progress reaches a pipe or a log line by line, also from a run that is
    // cut short.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform on Windows reads its fonts from one folder.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !qEnvironmentVariableIsEmpty("WINDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("WINDIR") + "\\Fonts");
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QTemporaryDir homeDir;
    qputenv("HOME", homeDir.path().toLocal8Bit());
    // Windows keeps setting.ini in the roaming application-data folder.
    qputenv("APPDATA",
            QDir::toNativeSeparators(homeDir.path() + QStringLiteral("/AppData")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VOLMAR"));
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettingsFolder(homeDir.path()));
    return RUN_ALL_TESTS();
}
