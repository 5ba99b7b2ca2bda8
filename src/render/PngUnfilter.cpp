#include "render/PngUnfilter.h"

#include "render/CpuFeatures.h"
#include "render/PngFilterTypes.h"
#include "render/PngUnfilterScalar.h"
#include "render/PngUnfilterSimd.h"

namespace volmar {

namespace {

void UnfilterOneBytePixels(int type, uchar* row, const uchar* above, size_t length) {
#if defined(VOLMAR_PNG_SSE2)
    if (type == PngFilterSub) {
        SubBytesSse2(row, length);
        return;
    }
    if (type == PngFilterAverage && CpuHasSsse3()) {
        AverageBytesSsse3(row, above, length);
        return;
    }
#endif
    UnfilterBytes<1>(type, row, above, length);
}

} // namespace

bool UnfilterRow(int type, uchar* row, const uchar* above, size_t length, int step) {
    switch (type) {
    case PngFilterNone:
        return true;
    case PngFilterUp:
#if defined(VOLMAR_PNG_SSE2)
        UpSse2(row, above, length);
#else
        UpBytes(row, above, length);
#endif
        return true;
    case PngFilterSub:
    case PngFilterAverage:
    case PngFilterPaeth:
        break;
    default:
        return false;
    }
    switch (step) {
    case 1:
        UnfilterOneBytePixels(type, row, above, length);
        return true;
    case 2:
        UnfilterBytes<2>(type, row, above, length);
        return true;
    }
#if defined(VOLMAR_PNG_SSE2)
    if (type == PngFilterPaeth && CpuHasSse41())
        PaethPixelsSse41(row, above, length, step);
    else
        UnfilterPixelsSse2(type, row, above, length, step);
#else
    switch (step) {
    case 3:
        UnfilterBytes<3>(type, row, above, length);
        break;
    case 4:
        UnfilterBytes<4>(type, row, above, length);
        break;
    case 6:
        UnfilterBytes<6>(type, row, above, length);
        break;
    default:
        UnfilterBytes<8>(type, row, above, length);
        break;
    }
#endif
    return true;
}

void UnfilterAverageRows(uchar* const* rows, int count, const uchar* above, size_t length) {
    switch (count) {
    case 2:
        AverageByteRows<2>{rows, above, length}.Run();
        break;
    case 3:
        AverageByteRows<3>{rows, above, length}.Run();
        break;
    default:
        AverageByteRows<4>{rows, above, length}.Run();
        break;
    }
}

} // namespace volmar
