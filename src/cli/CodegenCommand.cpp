#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "commands/CodeGenerator.h"

namespace volmar::cli {

int RunCodegen(const QStringList& arguments) {
    const CliArguments parsed = ParseCliArguments(arguments, {}, 1, 1);
    WriteStandardOutput(GenerateCodeBytes(LoadDocument(parsed.Positional[0])));
    return 0;
}

} // namespace volmar::cli
