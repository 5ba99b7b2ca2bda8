#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace volmar::bench {

// A PNG file the benchmarks decode, with the joined data of its IDATs and
// the size of that data inflated.
struct BenchPng {
    QString name;
    QByteArray file;
    QByteArray idat;
    size_t inflatedBytes = 0;
};

// The names of the benchmark pictures.
std::vector<QString> BenchPngNames();

// One benchmark picture, made on first use: photo-like content (smooth
// gradients plus noise), rows filtered with the per-row heuristic, zlib
// level 6.
const BenchPng& BenchPngAt(size_t index);

} // namespace volmar::bench
