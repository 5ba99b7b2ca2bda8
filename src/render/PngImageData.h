#pragma once

#include "render/PngHeader.h"
#include "render/PngIdatRun.h"
#include "render/PngRowConverter.h"
#include "render/PngScratch.h"
#include "render/ZlibInflater.h"

#include <QImage>

#include <zlib.h>

namespace volmar {

// Inflates the joined IDAT data a piece at a time and, as each row of a pass
// arrives, unfilters it and converts it into its pixels of the target image.
// Rows are inflated into a window of a few hundred kilobytes at most, so
// every row is still in the cache when it is unfiltered and converted.
class PngImageData {
public:
    PngImageData(const PngHeader& header, const PngRowConverter& converter, QImage& target,
                 PngScratch& scratch);
    PngImageData(const PngImageData&) = delete;
    PngImageData& operator=(const PngImageData&) = delete;

    // Feeds the data of a run of IDAT chunks. Fails on a corrupt stream, a
    // stream that ends before the last row or that holds more than the rows.
    void Feed(const PngIdatRun& run);

    // True once the last row of the last pass has been converted.
    bool IsComplete() const { return pass_ >= passes_.count; }

private:
    void TakeRows();
    bool TakeAverageRows(uchar* row, size_t rowBytes);
    void Emit(uchar* row, size_t rowBytes);
    void FinishRow(uchar* row);
    void NextRow();
    void SkipEmptyPasses();
    void MakeRoom();
    void CheckNothingFollows(const PngIdatRun& run);
    size_t RowBytes() const;
    size_t TotalBytes() const;

    const PngHeader header_;
    const PngRowConverter& converter_;
    QRgb* pixels_;
    qsizetype pixelsPerLine_;
    PngPasses passes_;
    int pass_ = 0;
    quint32 rowInPass_ = 0;
    int step_;

    ZlibInflater inflater_;
    bool streamEnded_ = false;
    uchar* window_;        // inflated bytes not yet taken, then free space
    size_t capacity_ = 0;  // usable bytes of window_ (the rest is slack)
    size_t taken_ = 0;     // start of the first row not yet taken
    size_t filled_ = 0;    // end of the inflated bytes
    size_t widestRow_ = 0; // filter byte included
    const uchar* above_ = nullptr;
    uchar* keptAbove_;   // the row above, when the window moved on
    const uchar* zeros_; // the row above the first row of a pass
    QRgb* passLine_;     // an interlaced row before it is spread out
};

} // namespace volmar
