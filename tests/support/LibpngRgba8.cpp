#include "support/LibpngRgba8.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace volmar::test {

namespace {

struct Source {
    const unsigned char* data;
    size_t size;
    size_t pos;
};

struct Raw {
    LibpngRgba8* result;
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

void AskForRgba8(png_structp png, png_infop info) {
    const int colourType = png_get_color_type(png, info);
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if (!(colourType & PNG_COLOR_MASK_ALPHA) && !hasTrns)
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

void ReadPixels(png_structp png, png_infop info, Raw* raw) {
    LibpngRgba8& result = *raw->result;
    result.width = int(png_get_image_width(png, info));
    result.height = int(png_get_image_height(png, info));
    const size_t stride = size_t(result.width) * 4;
    result.pixels.reset(new unsigned char[stride * size_t(result.height)]);
    raw->rows.resize(size_t(result.height));
    for (size_t y = 0; y < raw->rows.size(); ++y)
        raw->rows[y] = result.pixels.get() + y * stride;
    png_read_image(png, raw->rows.data());
    png_read_end(png, nullptr);
}

// Only plain data lives in this frame across setjmp.
bool Read(Source* source, Raw* raw) {
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
        raw->result->gamma = quint32(gamma);
    AskForRgba8(png, info);
    ReadPixels(png, info, raw);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

LibpngRgba8 ReadRgba8WithLibpng(const QByteArray& file) {
    Source source{reinterpret_cast<const unsigned char*>(file.constData()), size_t(file.size()), 0};
    LibpngRgba8 result;
    Raw raw{&result, {}, {}};
    if (!Read(&source, &raw)) {
        result.pixels.reset();
        result.error = QString::fromLatin1(raw.error);
    }
    return result;
}

} // namespace volmar::test
