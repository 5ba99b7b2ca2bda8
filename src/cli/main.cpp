#include "cli/CliCommand.h"
#include "cli/CliFonts.h"
#include "cli/CliIo.h"
#include "document/CommandFailure.h"
#include "document/ProcessText.h"
#include "settings/RuntimeFolderNotice.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

using namespace volmar::cli;

namespace {

bool IsHelp(const QString& argument) {
    return argument == QLatin1StringView("--help") || argument == QLatin1StringView("-h");
}

int Usage(const QString& detail) {
    WriteStandardError(QStringLiteral("volmar-cli: %1\n%2").arg(detail, UsageText()));
    return 2;
}

int Help() {
    const QByteArray text = UsageText().toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return 0;
}

std::unique_ptr<QCoreApplication> MakeApplication(const CliCommand& command, int& argc,
                                                  char** argv) {
    if (command.NeedsGui)
        return std::make_unique<QGuiApplication>(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}

int Run(const CliCommand& command, const QStringList& arguments) {
    try {
        return command.Run(arguments);
    } catch (const UsageError& e) {
        return Usage(e.detail());
    } catch (const std::exception& e) {
        WriteStandardError(FailureLine(volmar::FailureMessage(e)));
        return 1;
    }
}

} // namespace

// volmar-cli COMMAND ARGUMENTS...: the editor's document code without a window.
int main(int argc, char** argv) {
    volmar::SilenceRuntimeFolderNotice();
#ifdef SIGXFSZ
    // A write past the file-size limit then fails with EFBIG and is reported
    // like any failed write, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UseSystemFonts();
    volmar::UseBinaryStandardStreams();

    QStringList arguments = volmar::ProgramArguments(argc, argv);
    const QString commandName = arguments.value(1);
    arguments.removeFirst();
    if (arguments.isEmpty())
        return Usage(QStringLiteral("no command given"));
    if (IsHelp(arguments.first()))
        return Help();
    if (arguments.first() == QLatin1StringView("--version"))
        return std::fputs(VersionText().toUtf8().constData(), stdout) < 0 ? 1 : 0;
    const CliCommand* command = FindCliCommand(arguments.takeFirst());
    if (!command)
        return Usage(QStringLiteral("unknown command %1").arg(commandName));
    if (std::any_of(arguments.begin(), arguments.end(), IsHelp))
        return Help();

    const auto application = MakeApplication(*command, argc, argv);
    return Run(*command, arguments);
}
