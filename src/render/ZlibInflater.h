#pragma once

#include <QtGlobal>

#include <zlib.h>

#include <cstddef>

namespace volmar {

// A zlib stream inflated by zlib's raw inflate, with its two header bytes and
// its Adler-32 trailer read here. The checksum is computed here too, on each
// piece of output while it is still in the cache, several times faster than
// zlib computes it. Errors are zlib's codes for the same faults.
class ZlibInflater {
public:
    // `stream` is zlib's state, made by PngScratch::FreshStream().
    explicit ZlibInflater(z_stream& stream) : stream_(stream) {}

    void SetInput(const uchar* data, size_t length);
    size_t InputLeft() const { return stream_.avail_in; }
    // Leaves only the next `length` bytes of the input (at most what is left).
    void LimitInput(size_t length);

    // Inflates into `out` (capacity above 0); `produced` is set to the bytes
    // written. Returns Z_STREAM_END once the trailer has been checked, Z_OK
    // after progress, Z_BUF_ERROR when nothing can go on without more input,
    // or an error: Z_DATA_ERROR (bad header, data or checksum), Z_NEED_DICT.
    int Inflate(uchar* out, size_t capacity, size_t& produced);

private:
    enum class Part { Header, Body, Trailer, Done };

    bool TakeByte(quint32& into);
    int ReadHeader();
    int ReadTrailer(size_t produced);

    z_stream& stream_;
    Part part_ = Part::Header;
    quint32 header_ = 0;
    int headerBytes_ = 0;
    quint32 trailer_ = 0;
    int trailerBytes_ = 0;
    quint32 adler_ = 1;
};

} // namespace volmar
