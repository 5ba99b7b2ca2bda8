#include "app/CommandLine.h"
#include "app/DisplayCheck.h"
#include "app/MainForm.h"
#include "app/QtTranslations.h"
#include "dialogs/QtDialogs.h"
#include "document/ProcessText.h"
#include "settings/RuntimeFolderNotice.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    volmar::SilenceRuntimeFolderNotice();
    // The command line is read before the display is opened, so --help and
    // --version also work where there is none.
    const volmar::CommandLine command =
        volmar::ReadCommandLine(volmar::ProgramArguments(argc, argv), QDir::currentPath());
    if (command.exitCode) {
        volmar::UseParentConsole();
        std::fputs(command.text.toLocal8Bit().constData(),
                   *command.exitCode == 0 ? stdout : stderr);
        return *command.exitCode;
    }

    const QString program = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QStringLiteral("volmar");
    if (const QString missing = volmar::MissingDisplayText(program); !missing.isEmpty()) {
        std::fputs(missing.toLocal8Bit().constData(), stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VOLMAR"));
    volmar::InstallQtTranslations(app);
    volmar::QtDialogs dialogs;
    TMainForm form(dialogs);
    form.show();
    // After the settings have been applied, as if Open had named the file.
    if (!command.file.isEmpty())
        form.runGuarded([&form, &command] { form.OpenProject(command.file); });
    return app.exec();
}
