#include "cli/CliTarget.h"

#include "cli/CliCommand.h"
#include "cli/CliIo.h"

#include <optional>

namespace volmar::cli {

DesignDocument LoadTargetedDocument(const CliArguments& parsed) {
    std::optional<Runtime> chosen;
    if (parsed.Has(kTargetOption)) {
        chosen = ParseRuntime(parsed.Option(kTargetOption));
        if (!chosen)
            throw UsageError(QStringLiteral("%1 takes rgss1, rgss2 or rgss3").arg(kTargetOption));
    }
    DesignDocument document = LoadDocument(parsed.Positional[0]);
    if (chosen)
        document.SetTarget(MovedToRuntime(document.Target(), *chosen));
    return document;
}

} // namespace volmar::cli
