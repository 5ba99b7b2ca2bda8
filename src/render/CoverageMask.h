#pragma once

#include "render/Rect64.h"

#include <cstdint>
#include <vector>

namespace volmar {

// Which pixels of an area are already covered, one bit per pixel: the
// painter walks the windows from the front one back and leaves out every
// window that those in front of it cover completely.
class CoverageMask {
public:
    explicit CoverageMask(const Rect64& area);

    // Every pixel of r (cut to the area) is covered. An empty r counts as covered.
    bool Covers(const Rect64& r) const;
    // Marks every pixel of r (cut to the area) as covered.
    void Add(const Rect64& r);

private:
    // The words of row y of the area.
    const std::uint64_t* Row(qint64 y) const;
    std::uint64_t* Row(qint64 y);

    Rect64 area_;
    qint64 wordsPerRow_ = 0;
    std::vector<std::uint64_t> bits_;
};

} // namespace volmar
