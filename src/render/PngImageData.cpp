#include "render/PngImageData.h"

#include "render/PngErrors.h"
#include "render/PngUnfilter.h"

#include <cstring>

namespace volmar {

namespace {

constexpr size_t kWindowBytes = 128 * 1024;

} // namespace

PngImageData::PngImageData(const PngHeader& header, const PngRowConverter& converter,
                           QImage& target)
    : header_(header), converter_(converter), pixels_(reinterpret_cast<QRgb*>(target.bits())),
      pixelsPerLine_(target.bytesPerLine() / qsizetype(sizeof(QRgb))), passes_(PngPassesOf(header)),
      step_(header.FilterStep()) {
    const int result = inflateInit(&stream_);
    if (result != Z_OK)
        ThrowZlibFault(result);
    widestRow_ = 1 + header_.RowBytes(header_.width);
    capacity_ = std::max(kWindowBytes, 4 * widestRow_);
    window_.assign(capacity_ + kUnfilterSlack, 0);
    keptAbove_.assign(widestRow_ + kUnfilterSlack, 0);
    zeros_.assign(widestRow_ + kUnfilterSlack, 0);
    if (header_.interlaced)
        passLine_.resize(header_.width);
    above_ = zeros_.data();
    SkipEmptyPasses();
}

PngImageData::~PngImageData() {
    inflateEnd(&stream_);
}

size_t PngImageData::RowBytes() const {
    return 1 + header_.RowBytes(passes_.pass[pass_].width);
}

void PngImageData::Feed(const uchar* data, size_t length) {
    stream_.next_in = const_cast<uchar*>(data);
    stream_.avail_in = uInt(length);
    while (!IsComplete()) {
        if (streamEnded_)
            ThrowPngFault(PngFault::MissingParts);
        MakeRoom();
        stream_.next_out = window_.data() + filled_;
        stream_.avail_out = uInt(capacity_ - filled_);
        const int result = inflate(&stream_, Z_NO_FLUSH);
        filled_ = capacity_ - stream_.avail_out;
        if (result == Z_STREAM_END)
            streamEnded_ = true;
        else if (result == Z_BUF_ERROR && stream_.avail_in == 0)
            return; // the rest of the stream is in the next IDAT
        else if (result != Z_OK)
            ThrowZlibFault(result);
        TakeRows();
        if (!streamEnded_ && stream_.avail_in == 0 && stream_.avail_out != 0)
            return;
    }
    CheckNothingFollows();
}

void PngImageData::TakeRows() {
    while (!IsComplete()) {
        const size_t rowBytes = RowBytes();
        if (filled_ - taken_ < rowBytes)
            return;
        uchar* row = window_.data() + taken_;
        if (!UnfilterRow(row[0], row + 1, above_, rowBytes - 1, step_))
            ThrowZlibFault(Z_DATA_ERROR);
        FinishRow(row + 1);
        above_ = row + 1;
        taken_ += rowBytes;
        NextRow();
    }
}

void PngImageData::FinishRow(uchar* row) {
    const PngPass& pass = passes_.pass[pass_];
    const quint32 y = pass.y0 + rowInPass_ * pass.dy;
    QRgb* line = pixels_ + qsizetype(y) * pixelsPerLine_;
    if (!header_.interlaced) {
        converter_.Convert(row, pass.width, line);
        return;
    }
    converter_.Convert(row, pass.width, passLine_.data());
    QRgb* out = line + pass.x0;
    for (quint32 i = 0; i < pass.width; ++i, out += pass.dx)
        *out = passLine_[i];
}

void PngImageData::NextRow() {
    if (++rowInPass_ < passes_.pass[pass_].height)
        return;
    rowInPass_ = 0;
    ++pass_;
    above_ = zeros_.data();
    SkipEmptyPasses();
}

void PngImageData::SkipEmptyPasses() {
    while (pass_ < passes_.count && passes_.pass[pass_].IsEmpty())
        ++pass_;
}

// Moves the unfinished row to the front of the window once too little room
// is left behind it, keeping a copy of the row above.
void PngImageData::MakeRoom() {
    if (capacity_ - filled_ >= widestRow_)
        return;
    const uchar* start = window_.data();
    if (above_ >= start && above_ < start + capacity_) {
        std::memcpy(keptAbove_.data(), above_, RowBytes() - 1);
        above_ = keptAbove_.data();
    }
    std::memmove(window_.data(), window_.data() + taken_, filled_ - taken_);
    filled_ -= taken_;
    taken_ = 0;
}

// After the last row: bytes left over, or a stream that goes on within the
// data already read, mean the stream holds more than the picture.
void PngImageData::CheckNothingFollows() {
    if (filled_ != taken_)
        ThrowZlibFault(Z_DATA_ERROR);
    if (streamEnded_ || stream_.avail_in == 0)
        return;
    uchar probe = 0;
    stream_.next_out = &probe;
    stream_.avail_out = 1;
    const int result = inflate(&stream_, Z_NO_FLUSH);
    if (stream_.avail_out == 0)
        ThrowZlibFault(Z_DATA_ERROR);
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
        ThrowZlibFault(result);
    streamEnded_ = result == Z_STREAM_END;
}

} // namespace volmar
