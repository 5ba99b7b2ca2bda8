#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "cli/CliTarget.h"
#include "commands/CodeCheck.h"
#include "commands/CodeProblemText.h"

namespace volmar::cli {

// One line per problem of the generated code; exit status 1 when there is any.
// Advice on the file's encoding, when a name shows it, goes to standard error.
int RunCheck(const QStringList& arguments) {
    const CliArguments parsed = ParseCliArguments(arguments, {kTargetOption}, 1, 1);
    const std::vector<CodeProblem> problems = CheckCode(LoadTargetedDocument(parsed));
    QString text;
    for (const CodeProblem& problem : problems)
        text += EnglishProblemText(problem) + u'\n';
    WriteStandardOutput(text.toUtf8());
    if (const QString hint = EnglishEncodingHint(problems); !hint.isEmpty())
        WriteStandardError(hint + u'\n');
    return problems.empty() ? 0 : 1;
}

} // namespace volmar::cli
