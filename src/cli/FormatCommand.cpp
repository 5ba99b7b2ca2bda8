#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "cli/CliTarget.h"
#include "document/ProjectFile.h"

namespace volmar::cli {

int RunFormat(const QStringList& arguments) {
    const QString out = QStringLiteral("-o");
    const CliArguments parsed = ParseCliArguments(arguments, {out, kTargetOption}, 1, 1);
    const DesignDocument document = LoadTargetedDocument(parsed);
    if (parsed.Has(out))
        SaveProjectFile(document, parsed.Option(out));
    else
        WriteStandardOutput(ProjectText(document));
    return 0;
}

} // namespace volmar::cli
