#include "BenchPngImages.h"

#include "../tests/support/PngWriter.h"

#include <cmath>
#include <optional>
#include <random>

namespace volmar::bench {

namespace {

using test::MakePicture;
using test::PngOptions;
using test::PngPicture;

// A photo-like scene in 0..1 per channel: a smooth background with a few
// levels of noise (more in the lower half), flat-coloured shapes with hard
// edges, and a band of fine detail. Encoders pick different filters for
// each kind of row, as they do on real pictures.
struct Scene {
    std::mt19937 noise{12345};

    static double Background(double u, double v, int c) {
        return 0.5 + 0.25 * std::sin(6.0 * u + 2.0 * c + 3.0 * v) +
               0.2 * std::cos(4.0 * v - 5.0 * u * v + c);
    }

    // The flat colour of the shape covering (u, v), or a negative value.
    static double Shape(double u, double v, int c) {
        const double du = u - 0.3, dv = v - 0.35;
        if (du * du + dv * dv < 0.04)
            return 0.15 + 0.3 * c + 0.1 * u;
        if (u > 0.6 && u < 0.9 && v > 0.15 && v < 0.45)
            return 0.9 - 0.25 * c;
        if (u > 0.55 && u < 0.95 && v > 0.7 && v < 0.78)
            return ((int(u * 400) / 3 + int(v * 400) / 3) % 2) ? 0.95 : 0.05;
        return -1.0;
    }

    double Value(int x, int y, int c, int size) {
        const double u = double(x) / size, v = double(y) / size;
        const double shape = Shape(u, v, c);
        if (shape >= 0)
            return shape;
        const double levels = v < 0.5 ? 1.5 : 4.0;
        const double n = (double(noise() % 1000) / 1000.0 - 0.5) * 2.0 * levels / 255.0;
        return std::clamp(Background(u, v, c) + n, 0.0, 1.0);
    }

    uint Sample(int x, int y, int c, int size, int bitDepth) {
        return uint(std::lround(Value(x, y, c, size) * double((1u << bitDepth) - 1)));
    }
};

PngPicture Photo(int size, int colourType, int bitDepth) {
    Scene scene;
    const uint opaque = (1u << bitDepth) - 1;
    return MakePicture(size, size, colourType, bitDepth, [&](int x, int y, int c) {
        if (c < 3)
            return scene.Sample(x, y, c, size, bitDepth);
        // Alpha: opaque but for a soft vignette towards the right edge.
        const double fade = std::clamp((double(x) / size - 0.8) * 4.0, 0.0, 0.7);
        return uint(std::lround(opaque * (1.0 - fade)));
    });
}

// A skin-like picture: a background on the left, a frame with soft alpha on
// the right.
PngPicture Skin() {
    Scene scene;
    return MakePicture(192, 128, 6, 8, [&](int x, int y, int c) {
        if (c == 3)
            return x < 128 ? 255u : uint(std::clamp(255 - 4 * std::min(x - 128, y), 0, 255));
        return scene.Sample(x, y, c, 128, 8);
    });
}

// 256 colours along a ramp.
QByteArray RampPalette() {
    QByteArray palette;
    for (int i = 0; i < 256; ++i) {
        palette += char(i);
        palette += char((i * 3) / 4 + 32);
        palette += char(255 - i);
    }
    return palette;
}

// The scene's first channel mapped onto the ramp with ordered dithering, as
// a picture reduced to a palette usually is.
PngPicture Indexed(int size) {
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    Scene scene;
    return MakePicture(size, size, 3, 8, [&](int x, int y, int) {
        const double v = scene.Value(x, y, 0, size) * 63.0 + kBayer[y % 4][x % 4] / 16.0;
        return uint(std::clamp(int(v), 0, 63)) * 4;
    });
}

BenchPng Make(const QString& name, const PngPicture& picture, PngOptions options) {
    options.filters = test::PngFilters::Heuristic;
    options.level = 6;
    options.idatSize = 8192; // libpng writes IDATs of this size
    BenchPng png;
    png.name = name;
    const std::vector<test::PngChunkBytes> chunks = test::PngChunksOf(picture, options);
    png.file = test::AssemblePng(chunks);
    for (const auto& chunk : chunks)
        if (chunk.type == "IDAT")
            png.idat += chunk.data;
    png.inflatedBytes =
        size_t(test::FilteredImageData(picture, options.interlaced, options.filters).size());
    return png;
}

} // namespace

std::vector<QString> BenchPngNames() {
    return {"skin_192x128_rgba8",     "photo_1024_rgba8", "photo_2048_rgb8",
            "photo_1024_rgba8_adam7", "photo_512_rgba16", "photo_1024_palette8"};
}

const BenchPng& BenchPngAt(size_t index) {
    static std::vector<std::optional<BenchPng>> made(BenchPngNames().size());
    if (!made[index]) {
        const QString name = BenchPngNames()[index];
        PngOptions plain;
        PngOptions adam7;
        adam7.interlaced = true;
        PngOptions indexed;
        indexed.palette = RampPalette();
        switch (index) {
        case 0:
            made[index] = Make(name, Skin(), plain);
            break;
        case 1:
            made[index] = Make(name, Photo(1024, 6, 8), plain);
            break;
        case 2:
            made[index] = Make(name, Photo(2048, 2, 8), plain);
            break;
        case 3:
            made[index] = Make(name, Photo(1024, 6, 8), adam7);
            break;
        case 4:
            made[index] = Make(name, Photo(512, 6, 16), plain);
            break;
        default:
            made[index] = Make(name, Indexed(1024), indexed);
            break;
        }
    }
    return *made[index];
}

} // namespace volmar::bench
