// A skin file of any content: decoding, the gamma rule and flattening onto white.
#include "document/VolmarError.h"
#include "render/PngDecoder.h"

#include <QImage>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const QImage image = volmar::DecodePngOntoWhite(data, size);
        if (image.isNull() || image.format() != QImage::Format_RGB32)
            __builtin_trap();
    } catch (const volmar::VolmarError&) {
    }
    return 0;
}
