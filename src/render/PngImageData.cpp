#include "render/PngImageData.h"

#include "render/PngErrors.h"
#include "render/PngFilterTypes.h"
#include "render/PngUnfilter.h"

#include <algorithm>
#include <cstring>

namespace volmar {

namespace {

// Big enough that zlib rarely has to start a new call, small enough to stay
// in the second-level cache.
constexpr size_t kWindowBytes = 256 * 1024;

} // namespace

PngImageData::PngImageData(const PngHeader& header, const PngRowConverter& converter,
                           QImage& target, PngScratch& scratch)
    : header_(header), converter_(converter), pixels_(reinterpret_cast<QRgb*>(target.bits())),
      pixelsPerLine_(target.bytesPerLine() / qsizetype(sizeof(QRgb))), passes_(PngPassesOf(header)),
      step_(header.FilterStep()), inflater_(scratch.FreshStream()) {
    widestRow_ = 1 + header_.RowBytes(header_.width);
    capacity_ = std::min(std::max(kWindowBytes, 4 * widestRow_), TotalBytes());
    window_ = scratch.Window(capacity_ + kUnfilterSlack);
    keptAbove_ = scratch.KeptRow(widestRow_ + kUnfilterSlack);
    zeros_ = scratch.Zeros(widestRow_ + kUnfilterSlack);
    passLine_ = header_.interlaced ? scratch.PassLine(header_.width) : nullptr;
    above_ = zeros_;
    SkipEmptyPasses();
}

size_t PngImageData::TotalBytes() const {
    size_t total = 0;
    for (int i = 0; i < passes_.count; ++i)
        if (!passes_.pass[i].IsEmpty())
            total += passes_.pass[i].height * (1 + header_.RowBytes(passes_.pass[i].width));
    return total;
}

size_t PngImageData::RowBytes() const {
    return 1 + header_.RowBytes(passes_.pass[pass_].width);
}

void PngImageData::Feed(const PngIdatRun& run) {
    inflater_.SetInput(run.Data(), run.Length());
    while (!IsComplete()) {
        if (streamEnded_)
            ThrowPngFault(PngFault::MissingParts);
        MakeRoom();
        const size_t room = capacity_ - filled_;
        size_t produced = 0;
        const int result = inflater_.Inflate(window_ + filled_, room, produced);
        filled_ += produced;
        if (result == Z_STREAM_END)
            streamEnded_ = true;
        else if (result == Z_BUF_ERROR && inflater_.InputLeft() == 0)
            return; // the rest of the stream is in the next IDAT
        else if (result != Z_OK)
            ThrowZlibFault(result);
        TakeRows();
        if (!streamEnded_ && inflater_.InputLeft() == 0 && produced < room)
            return;
    }
    CheckNothingFollows(run);
}

void PngImageData::TakeRows() {
    while (!IsComplete()) {
        const size_t rowBytes = RowBytes();
        if (filled_ - taken_ < rowBytes)
            return;
        uchar* row = window_ + taken_;
        if (TakeAverageRows(row, rowBytes))
            continue;
        if (!UnfilterRow(row[0], row + 1, above_, rowBytes - 1, step_))
            ThrowZlibFault(Z_DATA_ERROR);
        Emit(row, rowBytes);
    }
}

// Consecutive rows of one-byte pixels under Average, already inflated, are
// undone together: their chains from byte to byte then overlap.
bool PngImageData::TakeAverageRows(uchar* row, size_t rowBytes) {
    if (step_ != 1 || row[0] != PngFilterAverage)
        return false;
    const size_t ready = (filled_ - taken_) / rowBytes;
    const size_t leftInPass = passes_.pass[pass_].height - rowInPass_;
    const int most = int(std::min({ready, leftInPass, size_t(kMaxAverageRows)}));
    uchar* rows[kMaxAverageRows];
    int count = 0;
    while (count < most && row[size_t(count) * rowBytes] == PngFilterAverage) {
        rows[count] = row + size_t(count) * rowBytes + 1;
        ++count;
    }
    if (count < 2)
        return false;
    UnfilterAverageRows(rows, count, above_, rowBytes - 1);
    for (int k = 0; k < count; ++k)
        Emit(rows[k] - 1, rowBytes);
    return true;
}

void PngImageData::Emit(uchar* row, size_t rowBytes) {
    FinishRow(row + 1);
    above_ = row + 1;
    taken_ += rowBytes;
    NextRow();
}

void PngImageData::FinishRow(uchar* row) {
    const PngPass& pass = passes_.pass[pass_];
    const quint32 y = pass.y0 + rowInPass_ * pass.dy;
    QRgb* line = pixels_ + qsizetype(y) * pixelsPerLine_ + pass.x0;
    if (pass.dx == 1) { // a plain picture, or Adam7's last pass
        converter_.Convert(row, pass.width, line);
        return;
    }
    converter_.Convert(row, pass.width, passLine_);
    for (quint32 i = 0; i < pass.width; ++i)
        line[size_t(i) * pass.dx] = passLine_[i];
}

void PngImageData::NextRow() {
    if (++rowInPass_ < passes_.pass[pass_].height)
        return;
    rowInPass_ = 0;
    ++pass_;
    above_ = zeros_;
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
    const uchar* start = window_;
    if (above_ >= start && above_ < start + capacity_) {
        std::memcpy(keptAbove_, above_, RowBytes() - 1);
        above_ = keptAbove_;
    }
    std::memmove(window_, window_ + taken_, filled_ - taken_);
    filled_ -= taken_;
    taken_ = 0;
}

// After the last row: bytes left over, or a stream that goes on within the
// IDAT chunk that held the last row, mean the stream holds more than the
// picture. Later IDATs are not looked at.
void PngImageData::CheckNothingFollows(const PngIdatRun& run) {
    if (filled_ != taken_)
        ThrowZlibFault(Z_DATA_ERROR);
    const size_t used = run.Length() - inflater_.InputLeft();
    inflater_.LimitInput(run.EndOfChunkAt(used) - used);
    if (streamEnded_ || inflater_.InputLeft() == 0)
        return;
    uchar probe = 0;
    size_t produced = 0;
    const int result = inflater_.Inflate(&probe, 1, produced);
    if (produced != 0)
        ThrowZlibFault(Z_DATA_ERROR);
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
        ThrowZlibFault(result);
    streamEnded_ = result == Z_STREAM_END;
}

} // namespace volmar
