#include "cli/CliArguments.h"

#include "cli/CliCommand.h"

namespace volmar::cli {

namespace {

bool IsOption(const QString& argument) {
    return argument.size() > 1 && argument.startsWith(u'-');
}

} // namespace

CliArguments ParseCliArguments(const QStringList& arguments, const QStringList& valueOptions,
                               int minPositional, int maxPositional,
                               const QStringList& flagOptions) {
    CliArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!IsOption(argument)) {
            parsed.Positional.append(argument);
            continue;
        }
        const bool flag = flagOptions.contains(argument);
        if (!flag && !valueOptions.contains(argument))
            throw UsageError(QStringLiteral("unknown option %1").arg(argument));
        if (!flag && i + 1 >= arguments.size())
            throw UsageError(QStringLiteral("%1 needs a value").arg(argument));
        if (parsed.Options.contains(argument))
            throw UsageError(QStringLiteral("%1 given twice").arg(argument));
        parsed.Options.insert(argument, flag ? QString() : arguments[++i]);
    }
    const auto count = parsed.Positional.size();
    if (count < minPositional || count > maxPositional)
        throw UsageError(QStringLiteral("wrong number of arguments"));
    return parsed;
}

} // namespace volmar::cli
