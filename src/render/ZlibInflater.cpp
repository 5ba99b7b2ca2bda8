#include "render/ZlibInflater.h"

#include "render/Adler32.h"

namespace volmar {

void ZlibInflater::SetInput(const uchar* data, size_t length) {
    stream_.next_in = const_cast<uchar*>(data);
    stream_.avail_in = uInt(length);
}

void ZlibInflater::LimitInput(size_t length) {
    if (length < stream_.avail_in)
        stream_.avail_in = uInt(length);
}

bool ZlibInflater::TakeByte(quint32& into) {
    if (stream_.avail_in == 0)
        return false;
    into = (into << 8) | *stream_.next_in++;
    --stream_.avail_in;
    return true;
}

// CMF and FLG: deflate with a window of at most 32 KiB, the check bits
// right, no preset dictionary. zlib is then set to that window, raw.
int ZlibInflater::ReadHeader() {
    while (headerBytes_ < 2 && TakeByte(header_))
        ++headerBytes_;
    if (headerBytes_ < 2)
        return Z_BUF_ERROR;
    const quint32 method = (header_ >> 8) & 0x0F;
    const quint32 windowBits = ((header_ >> 12) & 0x0F) + 8;
    if (header_ % 31 != 0 || method != Z_DEFLATED || windowBits > 15)
        return Z_DATA_ERROR;
    if (header_ & 0x20)
        return Z_NEED_DICT;
    const int result = inflateReset2(&stream_, -int(windowBits));
    if (result != Z_OK)
        return result;
    part_ = Part::Body;
    return Z_OK;
}

int ZlibInflater::ReadTrailer(size_t produced) {
    while (trailerBytes_ < 4 && TakeByte(trailer_))
        ++trailerBytes_;
    if (trailerBytes_ < 4)
        return produced > 0 ? Z_OK : Z_BUF_ERROR;
    if (trailer_ != adler_)
        return Z_DATA_ERROR;
    part_ = Part::Done;
    return Z_STREAM_END;
}

int ZlibInflater::Inflate(uchar* out, size_t capacity, size_t& produced) {
    produced = 0;
    if (part_ == Part::Header) {
        const int result = ReadHeader();
        if (result != Z_OK)
            return result;
    }
    if (part_ == Part::Body) {
        stream_.next_out = out;
        stream_.avail_out = uInt(capacity);
        const int result = inflate(&stream_, Z_NO_FLUSH);
        produced = capacity - stream_.avail_out;
        adler_ = Adler32(adler_, out, produced);
        if (result != Z_STREAM_END)
            return result;
        part_ = Part::Trailer;
    }
    if (part_ == Part::Trailer)
        return ReadTrailer(produced);
    return Z_STREAM_END;
}

} // namespace volmar
