#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace volmar {

namespace {

constexpr int kUsageError = 2;

// The usage line names the program as it was started: Qt's own names it
// after the application object, which does not exist yet.
QString HelpText(const QCommandLineParser& parser, const QString& program) {
    const QString text = parser.helpText();
    return QStringLiteral("Usage: %1 [options] [file]").arg(program) +
           text.mid(text.indexOf(QLatin1Char('\n')));
}

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments, const QString& currentFolder) {
    QCommandLineParser parser;
    // "-platform" is refused as one unknown option, not as eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("VOLMAR lays out the windows of a game's user interface."));
    // Not addHelpOption(): its --help-all offers Qt's own options, which a
    // command line read before the application object cannot take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The project (.rsform) to open at start."),
                                 QStringLiteral("[file]"));
    const QString program = arguments.isEmpty() ? QStringLiteral("volmar")
                                                : QFileInfo(arguments.constFirst()).fileName();

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.exitCode = kUsageError;
        result.text = parser.errorText() + QLatin1String("\n\n") + HelpText(parser, program);
        return result;
    }
    if (parser.isSet(help)) {
        result.exitCode = 0;
        result.text = HelpText(parser, program);
        return result;
    }
    if (parser.isSet(version)) {
        result.exitCode = 0;
        result.text =
            program + QLatin1Char(' ') + QLatin1String(VOLMAR_VERSION) + QLatin1Char('\n');
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        result.exitCode = kUsageError;
        result.text =
            QStringLiteral("Only one project can be opened.\n\n") + HelpText(parser, program);
        return result;
    }
    if (!files.isEmpty())
        result.file = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(files.constFirst()));
    return result;
}

} // namespace volmar
