#include "cli/CliCommand.h"

namespace volmar::cli {

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands = {
        {"list", "FILE [--target T]",
         "one line per window: index, name, left, top, right, bottom (TAB, UTF-8)", false, RunList},
        {"codegen", "FILE [--style window|base] [--windowskin] [--dispose] [--target T]",
         "the Ruby code of the windows (code page 932, CR LF)", false, RunCodegen},
        {"check", "FILE [--target T]",
         "one line per problem of the generated code; exit status 1 if any", false, RunCheck},
        {"format", "FILE [-o OUT] [--target T]",
         "the document as the editor saves it, to OUT or stdout", false, RunFormat},
        {"render",
         "FILE -o OUT.png [--skin SKIN.png] [--settings INI] [--background PICTURE.png] "
         "[--no-labels] [--no-grid] [--target T]",
         "the target's screen (640x480 for RGSS1) as the editor paints it", true, RunRender},
        {"skin", "[SKIN.png | --target rgss1|rgss2|rgss3] -o OUT.png",
         "the skin image (built-in when none given) as RGB PNG, RGBA for a 128x128 one", false,
         RunSkin},
    };
    return commands;
}

const CliCommand* FindCliCommand(const QString& name) {
    for (const CliCommand& command : CliCommands())
        if (name == QLatin1StringView(command.Name))
            return &command;
    return nullptr;
}

QString UsageText() {
    QString text = QStringLiteral("usage: volmar-cli COMMAND ARGUMENTS...\n"
                                  "       volmar-cli --help\n"
                                  "       volmar-cli --version\n\ncommands:\n");
    for (const CliCommand& command : CliCommands()) {
        const QString call = QStringLiteral("%1 %2").arg(QLatin1StringView(command.Name),
                                                         QLatin1StringView(command.Synopsis));
        text += QStringLiteral("  %1  %2\n").arg(call, -22).arg(QString::fromUtf8(command.Summary));
    }
    text += QStringLiteral("\nT: rgss1, rgss2 or rgss3, instead of the runtime the file names\n");
    text += QStringLiteral("\nexit status: 0 success, 1 a file cannot be read or written "
                           "(check: or a problem was found), 2 bad arguments\n");
    return text;
}

QString VersionText() {
    return QStringLiteral("volmar-cli " VOLMAR_VERSION "\n");
}

} // namespace volmar::cli
