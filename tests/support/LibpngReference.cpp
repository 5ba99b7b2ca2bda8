#include "support/LibpngReference.h"

#include <png.h>

#include <cmath>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace volmar::test {

namespace {

struct Source {
    const uchar* data;
    size_t size;
    size_t pos;
};

struct Raw {
    int width = 0;
    int height = 0;
    quint32 gamma = 0;
    std::vector<png_byte> rgba;
    std::vector<png_bytep> rows;
    char error[256] = {};
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->size - source->pos)
        png_error(png, "unexpected end of file");
    std::memcpy(out, source->data + source->pos, length);
    source->pos += length;
}

void OnError(png_structp png, png_const_charp message) {
    auto* raw = static_cast<Raw*>(png_get_error_ptr(png));
    std::strncpy(raw->error, message, sizeof raw->error - 1);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Only plain data lives in this frame across setjmp.
bool ReadRgba8(Source* source, Raw* raw) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, raw, OnError, OnWarning);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, source, ReadFromMemory);
    png_read_info(png, info);
    png_fixed_point gamma = 0;
    if (png_get_gAMA_fixed(png, info, &gamma))
        raw->gamma = quint32(gamma);
    const int colourType = png_get_color_type(png, info);
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if (!(colourType & PNG_COLOR_MASK_ALPHA) && !hasTrns)
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    raw->width = int(png_get_image_width(png, info));
    raw->height = int(png_get_image_height(png, info));
    raw->rgba.resize(size_t(raw->width) * size_t(raw->height) * 4);
    raw->rows.resize(size_t(raw->height));
    for (int y = 0; y < raw->height; ++y)
        raw->rows[size_t(y)] = raw->rgba.data() + size_t(y) * size_t(raw->width) * 4;
    png_read_image(png, raw->rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

uint Gamma(uint s, quint32 gamma) {
    if (gamma == 0)
        return s;
    return uint(std::lround(255.0 * std::pow(s / 255.0, 1.0 / (gamma / 100000.0 * 2.2))));
}

uint OntoWhite(uint s, uint a) {
    return (s * a + (255 - a) * 255 + 255) / 256;
}

} // namespace

LibpngReference DecodeWithLibpng(const QByteArray& file) {
    Source source{reinterpret_cast<const uchar*>(file.constData()), size_t(file.size()), 0};
    Raw raw;
    LibpngReference result;
    if (!ReadRgba8(&source, &raw)) {
        result.error = QString::fromLatin1(raw.error);
        return result;
    }
    QImage image(raw.width, raw.height, QImage::Format_RGB32);
    for (int y = 0; y < raw.height; ++y) {
        const png_byte* p = raw.rows[size_t(y)];
        for (int x = 0; x < raw.width; ++x, p += 4) {
            const uint a = p[3];
            image.setPixel(x, y,
                           qRgb(int(OntoWhite(Gamma(p[0], raw.gamma), a)),
                                int(OntoWhite(Gamma(p[1], raw.gamma), a)),
                                int(OntoWhite(Gamma(p[2], raw.gamma), a))));
        }
    }
    result.image = image;
    return result;
}

} // namespace volmar::test
