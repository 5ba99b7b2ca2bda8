#include "render/PngScratch.h"

#include "render/PngErrors.h"

namespace volmar {

namespace {

constexpr size_t kKeptBytes = 1024 * 1024;

template <typename T> void Grow(std::vector<T>& buffer, size_t count) {
    if (buffer.size() < count)
        buffer.resize(count);
}

template <typename T> void Release(std::vector<T>& buffer) {
    if (buffer.capacity() * sizeof(T) > kKeptBytes)
        std::vector<T>().swap(buffer);
}

} // namespace

PngScratch::~PngScratch() {
    if (streamReady_)
        inflateEnd(&stream_);
}

PngScratch& PngScratch::ForThisThread() {
    thread_local PngScratch scratch;
    return scratch;
}

z_stream& PngScratch::FreshStream() {
    // Raw deflate: ZlibInflater reads the zlib header and trailer itself.
    const int result =
        streamReady_ ? inflateReset2(&stream_, -MAX_WBITS) : inflateInit2(&stream_, -MAX_WBITS);
    if (result != Z_OK)
        ThrowZlibFault(result);
    streamReady_ = true;
    return stream_;
}

uchar* PngScratch::Window(size_t bytes) {
    Grow(window_, bytes);
    return window_.data();
}

const uchar* PngScratch::Zeros(size_t bytes) {
    Grow(zeros_, bytes);
    return zeros_.data();
}

uchar* PngScratch::KeptRow(size_t bytes) {
    Grow(keptRow_, bytes);
    return keptRow_.data();
}

QRgb* PngScratch::PassLine(size_t pixels) {
    Grow(passLine_, pixels);
    return passLine_.data();
}

void PngScratch::Trim() {
    Release(window_);
    Release(zeros_);
    Release(keptRow_);
    Release(passLine_);
    Release(joined_);
}

} // namespace volmar
