// Our PNG reader against libpng and against the floor set by zlib alone
// inflating the same image data, on the same pictures in one run.

#include "BenchPngImages.h"
#include "support/LibpngRgba8.h"

#include "render/PngDecoder.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

using volmar::bench::BenchPng;

const BenchPng& Png(size_t index) {
    return volmar::bench::BenchPngAt(index);
}

void Report(benchmark::State& state, const BenchPng& png) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(png.inflatedBytes));
    state.counters["file_kB"] = double(png.file.size()) / 1024.0;
}

void PngDecode(benchmark::State& state, size_t index) {
    const BenchPng& png = Png(index);
    const auto* data = reinterpret_cast<const uchar*>(png.file.constData());
    for (auto _ : state) {
        QImage image = volmar::DecodePngOntoWhite(data, size_t(png.file.size()));
        benchmark::DoNotOptimize(image.constBits());
    }
    Report(state, png);
}

void LibpngDecode(benchmark::State& state, size_t index) {
    const BenchPng& png = Png(index);
    for (auto _ : state) {
        const volmar::test::LibpngRgba8 rgba = volmar::test::ReadRgba8WithLibpng(png.file);
        if (!rgba.pixels) {
            state.SkipWithError("libpng refused the picture");
            break;
        }
        benchmark::DoNotOptimize(rgba.pixels.get());
    }
    Report(state, png);
}

void ZlibInflate(benchmark::State& state, size_t index) {
    const BenchPng& png = Png(index);
    std::vector<Bytef> out(png.inflatedBytes);
    for (auto _ : state) {
        uLongf size = uLongf(out.size());
        const int result =
            uncompress(out.data(), &size, reinterpret_cast<const Bytef*>(png.idat.constData()),
                       uLong(png.idat.size()));
        if (result != Z_OK || size != out.size()) {
            state.SkipWithError("the image data does not inflate");
            break;
        }
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, png);
}

// With --benchmark_repetitions the fastest repetition is reported too: on a
// shared machine it is the steadiest figure for comparing the three.
double Fastest(const std::vector<double>& times) {
    return times.empty() ? 0.0 : *std::min_element(times.begin(), times.end());
}

const int kRegistered = [] {
    const auto names = volmar::bench::BenchPngNames();
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string name = names[i].toStdString();
        for (const auto& [kind, function] : {std::pair{"BM_PngDecode/", &PngDecode},
                                             {"BM_LibpngDecode/", &LibpngDecode},
                                             {"BM_ZlibInflate/", &ZlibInflate}})
            benchmark::RegisterBenchmark((kind + name).c_str(), function, i)
                ->Unit(benchmark::kMicrosecond)
                ->ComputeStatistics("min", Fastest);
    }
    return 0;
}();

} // namespace
