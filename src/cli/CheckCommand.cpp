#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "cli/CliTarget.h"
#include "commands/CodeCheck.h"
#include "commands/CodeProblemText.h"

namespace volmar::cli {

// One line per problem of the generated code; exit status 1 when there is any.
int RunCheck(const QStringList& arguments) {
    const CliArguments parsed = ParseCliArguments(arguments, {kTargetOption}, 1, 1);
    const std::vector<CodeProblem> problems = CheckCode(LoadTargetedDocument(parsed));
    QString text;
    for (const CodeProblem& problem : problems)
        text += EnglishProblemText(problem) + u'\n';
    WriteStandardOutput(text.toUtf8());
    return problems.empty() ? 0 : 1;
}

} // namespace volmar::cli
