#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliIo.h"
#include "cli/CliTarget.h"
#include "commands/CodeGenerator.h"

namespace volmar::cli {

namespace {

const QString kStyle = QStringLiteral("--style");
const QString kWindowskin = QStringLiteral("--windowskin");
const QString kDispose = QStringLiteral("--dispose");

// The style the options choose; none gives the editor's default code.
CodeStyle ChosenStyle(const CliArguments& parsed) {
    CodeStyle style;
    if (parsed.Has(kStyle)) {
        const std::optional<CodeForm> form = CodeFormFromName(parsed.Option(kStyle));
        if (!form)
            throw UsageError(QStringLiteral("%1 takes window or base").arg(kStyle));
        style.Form = *form;
    }
    style.Windowskin = parsed.Has(kWindowskin);
    style.Dispose = parsed.Has(kDispose);
    return style;
}

} // namespace

int RunCodegen(const QStringList& arguments) {
    const CliArguments parsed =
        ParseCliArguments(arguments, {kStyle, kTargetOption}, 1, 1, {kWindowskin, kDispose});
    const CodeStyle style = ChosenStyle(parsed);
    const DesignDocument document = LoadTargetedDocument(parsed);
    WriteStandardOutput(GenerateCodeBytes(document, style, document.Target().Version));
    return 0;
}

} // namespace volmar::cli
