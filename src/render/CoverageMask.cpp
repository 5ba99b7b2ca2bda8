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

// The words that columns [from, to) of the area touch, with the masks of
// the first and the last of them (the words between are whole).
struct WordSpan {
    qint64 First;
    qint64 Last;
    std::uint64_t FirstMask;
    std::uint64_t LastMask;
};

WordSpan SpanOf(qint64 from, qint64 to) {
    const qint64 first = from / kWordBits;
    const qint64 last = (to - 1) / kWordBits;
    return {first, last, WordMask(first, from, to), WordMask(last, from, to)};
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
    const WordSpan span = SpanOf(cut.Left - area_.Left, cut.Right - area_.Left);
    for (qint64 y = cut.Top; y < cut.Bottom; ++y) {
        const std::uint64_t* row = Row(y);
        if ((row[span.First] & span.FirstMask) != span.FirstMask ||
            (row[span.Last] & span.LastMask) != span.LastMask)
            return false;
        for (qint64 w = span.First + 1; w < span.Last; ++w)
            if (row[w] != ~std::uint64_t(0))
                return false;
    }
    return true;
}

void CoverageMask::Add(const Rect64& r) {
    const Rect64 cut = r.Intersected(area_);
    if (cut.IsEmpty())
        return;
    const WordSpan span = SpanOf(cut.Left - area_.Left, cut.Right - area_.Left);
    for (qint64 y = cut.Top; y < cut.Bottom; ++y) {
        std::uint64_t* row = Row(y);
        row[span.First] |= span.FirstMask;
        row[span.Last] |= span.LastMask;
        for (qint64 w = span.First + 1; w < span.Last; ++w)
            row[w] = ~std::uint64_t(0);
    }
}

} // namespace volmar
