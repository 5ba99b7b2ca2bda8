#include "render/PngIdatRun.h"

#include <algorithm>

namespace volmar {

namespace {

constexpr size_t kRunBytes = 512 * 1024;

} // namespace

void PngIdatRun::Gather(const PngChunk& first, PngChunkWalker& walker) {
    ends_.assign(1, first.length);
    data_ = first.data;
    length_ = first.length;
    PngChunk next;
    if (length_ >= kRunBytes || !walker.TakeSoundIdat(next))
        return; // one chunk: read in place
    joined_.assign(first.data, first.data + first.length);
    do {
        joined_.insert(joined_.end(), next.data, next.data + next.length);
        ends_.push_back(joined_.size());
    } while (joined_.size() < kRunBytes && walker.TakeSoundIdat(next));
    data_ = joined_.data();
    length_ = joined_.size();
}

size_t PngIdatRun::EndOfChunkAt(size_t offset) const {
    const auto end = std::upper_bound(ends_.begin(), ends_.end(), offset);
    return end == ends_.end() ? length_ : *end;
}

} // namespace volmar
