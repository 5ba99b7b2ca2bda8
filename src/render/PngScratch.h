#pragma once

#include <QRgb>

#include <zlib.h>

#include <cstddef>
#include <vector>

namespace volmar {

// What one thread keeps from one decoding to the next: the inflate state and
// the work buffers. Decoding a picture then asks the allocator (and through
// it the kernel) for little more than the picture itself. Buffers that a
// large picture grew past a megabyte are given back when its decoding ends.
class PngScratch {
public:
    PngScratch() = default;
    ~PngScratch();
    PngScratch(const PngScratch&) = delete;
    PngScratch& operator=(const PngScratch&) = delete;

    static PngScratch& ForThisThread();

    // zlib's state ready for a new raw deflate stream. Fails with zlib's code.
    z_stream& FreshStream();

    // At least `bytes` bytes, contents undefined.
    uchar* Window(size_t bytes);
    // At least `bytes` zero bytes, never written through.
    const uchar* Zeros(size_t bytes);
    // At least `bytes` bytes for a copy of the row above.
    uchar* KeptRow(size_t bytes);
    // Room for `pixels` pixels of one interlaced row.
    QRgb* PassLine(size_t pixels);
    // The joined data of several IDAT chunks.
    std::vector<uchar>& Joined() { return joined_; }

    // Gives back buffers grown beyond what is worth keeping.
    void Trim();

private:
    z_stream stream_{};
    bool streamReady_ = false;
    std::vector<uchar> window_;
    std::vector<uchar> zeros_;
    std::vector<uchar> keptRow_;
    std::vector<QRgb> passLine_;
    std::vector<uchar> joined_;
};

// Trims the thread's scratch when a decoding ends, however it ends.
class PngScratchLease {
public:
    PngScratchLease() : scratch_(PngScratch::ForThisThread()) {}
    ~PngScratchLease() { scratch_.Trim(); }
    PngScratchLease(const PngScratchLease&) = delete;
    PngScratchLease& operator=(const PngScratchLease&) = delete;

    PngScratch& operator*() const { return scratch_; }

private:
    PngScratch& scratch_;
};

} // namespace volmar
