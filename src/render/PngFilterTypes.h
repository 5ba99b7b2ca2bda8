#pragma once

namespace volmar {

// The filter type byte at the start of every row.
enum PngFilterType : int {
    PngFilterNone = 0,
    PngFilterSub = 1,
    PngFilterUp = 2,
    PngFilterAverage = 3,
    PngFilterPaeth = 4,
};

} // namespace volmar
