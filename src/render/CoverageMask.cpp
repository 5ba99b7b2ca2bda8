#include "render/CoverageMask.h"

namespace volmar {

namespace {

constexpr qint64 kWordBits = 64;

// The bits of word w that fall into columns [from, to).
std::uint64_t WordMask(qint64 w, qint64 from, qint64 to) {
    const qint64 first = std::max(from - w * kWordBits, qint64(0));
    const qint64 last = std::min(to - w * kWordBits, kWordBits);
    const std::uint64_t upTo =
        last >= kWordBits ? ~std::uint64_t(0) : (std::uint64_t(1) << last) - 1;
    return upTo & ~((std::uint64_t(1) << first) - 1);
}

} // namespace

CoverageMask::CoverageMask(const Rect64& area)
    : area_(area.IsEmpty() ? Rect64{} : area),
      wordsPerRow_((area_.Width() + kWordBits - 1) / kWordBits),
      bits_(size_t(wordsPerRow_ * area_.Height()), 0) {}

const std::uint64_t* CoverageMask::Row(qint64 y) const {
    return bits_.data() + (y - area_.Top) * wordsPerRow_;
}

std::uint64_t* CoverageMask::Row(qint64 y) {
    return bits_.data() + (y - area_.Top) * wordsPerRow_;
}

bool CoverageMask::Covers(const Rect64& r) const {
    const Rect64 cut = r.Intersected(area_);
    if (cut.IsEmpty())
        return true;
    const qint64 from = cut.Left - area_.Left;
    const qint64 to = cut.Right - area_.Left;
    for (qint64 y = cut.Top; y < cut.Bottom; ++y) {
        const std::uint64_t* row = Row(y);
        for (qint64 w = from / kWordBits; w * kWordBits < to; ++w) {
            const std::uint64_t mask = WordMask(w, from, to);
            if ((row[w] & mask) != mask)
                return false;
        }
    }
    return true;
}

void CoverageMask::Add(const Rect64& r) {
    const Rect64 cut = r.Intersected(area_);
    if (cut.IsEmpty())
        return;
    const qint64 from = cut.Left - area_.Left;
    const qint64 to = cut.Right - area_.Left;
    for (qint64 y = cut.Top; y < cut.Bottom; ++y) {
        std::uint64_t* row = Row(y);
        for (qint64 w = from / kWordBits; w * kWordBits < to; ++w)
            row[w] |= WordMask(w, from, to);
    }
}

} // namespace volmar
