#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/PictureFiles.h"
#include "render/SkinLoader.h"

namespace volmar::cli {

namespace {

// The built-in skin of the runtime named by --target; RGSS1's without it.
QImage BuiltInSkinOf(const CliArguments& parsed, const QString& target) {
    if (!parsed.Has(target))
        return LoadBuiltInSkin();
    const std::optional<Runtime> runtime = ParseRuntime(parsed.Option(target));
    if (!runtime)
        throw UsageError(QStringLiteral("--target takes rgss1, rgss2 or rgss3"));
    return LoadBuiltInSkin(*runtime);
}

} // namespace

int RunSkin(const QStringList& arguments) {
    const QString out = QStringLiteral("-o");
    const QString target = QStringLiteral("--target");
    const CliArguments parsed = ParseCliArguments(arguments, {out, target}, 0, 1);
    if (!parsed.Has(out))
        throw UsageError(QStringLiteral("skin needs -o OUT.png"));
    if (parsed.Has(target) && !parsed.Positional.isEmpty())
        throw UsageError(QStringLiteral("skin takes SKIN.png or --target, not both"));
    const QImage skin = parsed.Positional.isEmpty() ? BuiltInSkinOf(parsed, target)
                                                    : LoadNamedSkin(parsed.Positional[0]);
    // A skin that draws with its alpha is written with it.
    if (skin.hasAlphaChannel())
        SaveRgbaPng(skin, parsed.Option(out));
    else
        SaveRgbPng(skin, parsed.Option(out));
    return 0;
}

} // namespace volmar::cli
