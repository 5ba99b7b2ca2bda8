// A skin file of any content, the whole way to the screen: decoding, the
// gamma rule, flattening onto white, then drawing a window from it.
#include "document/VolmarError.h"
#include "document/WindowItem.h"
#include "render/Fonts.h"
#include "render/PngDecoder.h"
#include "render/SkinRenderer.h"

#include <QGuiApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>

namespace {

// Labels need fonts, and fonts need an application.
const QFont& LabelFont() {
    static int argc = 1;
    static char name[] = "fuzz_png";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    static const QFont font = (void(app), volmar::WindowLabelFont());
    return font;
}

// A window that shows every piece of the skin: corners, edges and background.
void DrawWindowFrom(const QImage& skin) {
    QImage canvas(120, 90, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    TWindowItem window;
    window.Left = -5;
    window.Top = 3;
    window.Right = 110;
    window.Bottom = 100;
    volmar::DrawWindow(canvas, skin, window, LabelFont());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QImage image;
    try {
        image = volmar::DecodePngOntoWhite(data, size);
    } catch (const volmar::VolmarError&) {
        return 0;
    }
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        __builtin_trap();
    DrawWindowFrom(image);
    return 0;
}
