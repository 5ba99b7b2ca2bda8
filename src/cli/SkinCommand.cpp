#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/PictureFiles.h"
#include "render/SkinLoader.h"

namespace volmar::cli {

int RunSkin(const QStringList& arguments) {
    const QString out = QStringLiteral("-o");
    const CliArguments parsed = ParseCliArguments(arguments, {out}, 0, 1);
    if (!parsed.Has(out))
        throw UsageError(QStringLiteral("skin needs -o OUT.png"));
    const QImage skin =
        parsed.Positional.isEmpty() ? LoadBuiltInSkin() : LoadNamedSkin(parsed.Positional[0]);
    SaveRgbPng(skin, parsed.Option(out));
    return 0;
}

} // namespace volmar::cli
