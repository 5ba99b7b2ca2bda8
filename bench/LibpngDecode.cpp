#include "LibpngDecode.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace volmar::bench {

namespace {

struct Source {
    const unsigned char* data;
    size_t size;
    size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->size - source->pos)
        png_error(png, "unexpected end of file");
    std::memcpy(out, source->data + source->pos, length);
    source->pos += length;
}

void Silent(png_structp, png_const_charp) {}

void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

} // namespace

std::unique_ptr<unsigned char[]> DecodeWithLibpng(const QByteArray& file) {
    Source source{reinterpret_cast<const unsigned char*>(file.constData()), size_t(file.size()), 0};
    std::vector<png_bytep> rows;
    std::unique_ptr<unsigned char[]> rgba;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, Silent);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return nullptr;
    }
    png_set_read_fn(png, &source, ReadFromMemory);
    png_read_info(png, info);
    const int colourType = png_get_color_type(png, info);
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if (!(colourType & PNG_COLOR_MASK_ALPHA) && !hasTrns)
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t width = png_get_image_width(png, info);
    const size_t height = png_get_image_height(png, info);
    rgba.reset(new unsigned char[width * height * 4]);
    rows.resize(height);
    for (size_t y = 0; y < height; ++y)
        rows[y] = rgba.get() + y * width * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return rgba;
}

} // namespace volmar::bench
