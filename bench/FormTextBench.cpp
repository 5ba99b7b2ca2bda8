#include "document/FormText.h"

#include <benchmark/benchmark.h>

using volmar::DesignDocument;

// Form text of 100,000 window definitions, every other one with a Japanese
// name, read (bytes to definitions, codec included) and written.

namespace {

constexpr int kDefinitions = 100000;

DesignDocument LargeDocument() {
    DesignDocument document;
    for (int i = 0; i < kDefinitions; ++i) {
        TWindowItem item;
        item.Name =
            (i % 2 ? QStringLiteral("ウインドウ") : QStringLiteral("window")) + QString::number(i);
        item.Left = i % 640;
        item.Top = -(i % 480);
        item.Right = item.Left + 160;
        item.Bottom = item.Top + 96;
        document.Append(item);
    }
    return document;
}

void BM_FormTextRead(benchmark::State& state) {
    const QByteArray text = volmar::SerializeDefinitions(LargeDocument(), false);
    for (auto _ : state) {
        auto items = volmar::ReadDefinitions(text);
        benchmark::DoNotOptimize(items.data());
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_FormTextRead)->Unit(benchmark::kMillisecond);

void BM_FormTextWrite(benchmark::State& state) {
    const DesignDocument document = LargeDocument();
    for (auto _ : state) {
        QByteArray text = volmar::SerializeDefinitions(document, false);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FormTextWrite)->Unit(benchmark::kMillisecond);

} // namespace
