#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliFonts.h"
#include "cli/CliIo.h"
#include "cli/CliTarget.h"
#include "cli/PictureFiles.h"
#include "document/ProjectFile.h"
#include "render/CanvasPainter.h"
#include "render/Fonts.h"
#include "render/SkinLayout.h"
#include "render/SkinLoader.h"
#include "settings/SettingsApply.h"

#include <optional>

namespace volmar::cli {

namespace {

// The editor's setters as far as the canvas shows them. A skin named on the
// command line takes the place of the settings' picture; without a picture
// the built-in skin is the runtime's, as in the editor.
class CanvasState final : public SettingsTarget {
public:
    CanvasState(std::optional<QString> skinOverride, Runtime runtime)
        : skinOverride_(std::move(skinOverride)), runtime_(runtime) {
        display_.ContentsPadding = WindowPadding(runtime);
    }

    const EditorDisplayState& Display() const { return display_; }
    const QImage& Skin() const { return skin_; }

    // Spacings below 1 never reach the grid: the current value stays.
    void SetGridSpacingX(qint32 spacing) override {
        if (spacing >= 1)
            display_.GridX = spacing;
    }
    void SetGridSpacingY(qint32 spacing) override {
        if (spacing >= 1)
            display_.GridY = spacing;
    }
    void LoadSkin(const QString& path) override {
        skin_ = skinOverride_ ? LoadNamedSkin(*skinOverride_) : volmar::LoadSkin(path, runtime_);
    }
    void SetCanvasColor(quint32 bgr) override { display_.FormColor = bgr; }
    void SetGridColor(quint32 bgr) override { display_.GridColor = bgr; }
    void SetHandleColor(quint32 bgr) override { display_.HandleColor = bgr; }
    void SetMultiSelectColor(quint32 bgr) override { display_.MultiSelectColor = bgr; }
    void SetSnap(bool snap) override { display_.Snap = snap; }
    void SetGridVisible(bool visible) override { display_.GridVisible = visible; }
    void SetRulersVisible(bool) override {}

private:
    std::optional<QString> skinOverride_;
    Runtime runtime_;
    EditorDisplayState display_;
    QImage skin_;
};

} // namespace

int RunRender(const QStringList& arguments) {
    const QString out = QStringLiteral("-o");
    const QString skin = QStringLiteral("--skin");
    const QString settings = QStringLiteral("--settings");
    const QString background = QStringLiteral("--background");
    const QString noLabels = QStringLiteral("--no-labels");
    const QString noGrid = QStringLiteral("--no-grid");
    const CliArguments parsed = ParseCliArguments(
        arguments, {out, skin, settings, background, kTargetOption}, 1, 1, {noLabels, noGrid});
    if (!parsed.Has(out))
        throw UsageError(QStringLiteral("render needs -o OUT.png"));

    const DesignDocument document = LoadTargetedDocument(parsed);
    NoteMissingJapaneseFont();
    CanvasState state(parsed.Has(skin) ? std::optional(parsed.Option(skin)) : std::nullopt,
                      document.Target().Version);
    if (parsed.Has(settings)) {
        ReadProjectFileBytes(parsed.Option(settings)); // a settings file that cannot be read
        ApplySettingsFile(parsed.Option(settings), FactorySettings(), state);
    } else {
        ApplySettings(FactorySettings(), state);
    }
    if (const QString problem = SkinSizeProblem(state.Skin().size()); !problem.isEmpty())
        WriteStandardError(QStringLiteral("volmar-cli: warning: %1\n").arg(problem));
    EditorDisplayState display = state.Display();
    display.ShowWindowNames = !parsed.Has(noLabels);
    display.GridVisible = display.GridVisible && !parsed.Has(noGrid);
    const QImage picture =
        parsed.Has(background)
            ? LoadNamedBackground(parsed.Option(background), display.FormColor).Image()
            : QImage();
    // The canvas is the screen of the project's target.
    QImage canvas(document.Canvas().Width, document.Canvas().Height, QImage::Format_RGB32);
    PaintCanvas(canvas, display, state.Skin(), document, WindowLabelFont(), QRect(), picture);
    SaveRgbPng(canvas, parsed.Option(out));
    return 0;
}

} // namespace volmar::cli
