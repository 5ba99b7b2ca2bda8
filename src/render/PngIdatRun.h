#pragma once

#include "render/PngChunks.h"

#include <cstddef>
#include <vector>

namespace volmar {

// A run of consecutive IDAT chunks joined into one piece of the zlib stream.
// zlib is much slower when its input arrives in small pieces (a call per
// 8 KB chunk costs it a third more time), so sound IDATs that follow are
// joined to the first, up to a limit. One that is cut short or has a bad CRC
// ends the run and is left to the chunk walk, which reports it only if the
// picture still needs it.
class PngIdatRun {
public:
    // Chunks are joined in `joined`.
    explicit PngIdatRun(std::vector<uchar>& joined) : joined_(joined) {}

    void Gather(const PngChunk& first, PngChunkWalker& walker);

    const uchar* Data() const { return data_; }
    size_t Length() const { return length_; }
    // The end of the chunk that holds byte `offset` of the run.
    size_t EndOfChunkAt(size_t offset) const;

private:
    std::vector<uchar>& joined_;
    std::vector<size_t> ends_;
    const uchar* data_ = nullptr;
    size_t length_ = 0;
};

} // namespace volmar
