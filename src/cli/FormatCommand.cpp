#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "document/FormText.h"
#include "document/ProjectFile.h"

namespace volmar::cli {

int RunFormat(const QStringList& arguments) {
    const QString out = QStringLiteral("-o");
    const CliArguments parsed = ParseCliArguments(arguments, {out}, 1, 1);
    const DesignDocument document = LoadDocument(parsed.Positional[0]);
    if (parsed.Has(out))
        SaveProjectFile(document, parsed.Option(out));
    else
        WriteStandardOutput(SerializeDefinitions(document, false));
    return 0;
}

} // namespace volmar::cli
