#include "render/PngDecoder.h"

#include "render/PngChunks.h"
#include "render/PngColourChunks.h"
#include "render/PngErrors.h"
#include "render/PngHeader.h"
#include "render/PngIdatRun.h"
#include "render/PngImageData.h"
#include "render/PngRowConverter.h"
#include "render/PngScratch.h"

#include <memory>
#include <optional>

namespace volmar {

namespace {

constexpr quint32 kIHDR = PngChunkType("IHDR");
constexpr quint32 kPLTE = PngChunkType("PLTE");
constexpr quint32 kIDAT = PngChunkType("IDAT");
constexpr quint32 kIEND = PngChunkType("IEND");
constexpr quint32 kTRNS = PngChunkType("tRNS");
constexpr quint32 kGAMA = PngChunkType("gAMA");
constexpr quint32 kCHRM = PngChunkType("cHRM");

PngHeader ReadHeader(PngChunkWalker& walker) {
    const PngChunk ihdr = walker.Next();
    if (ihdr.type != kIHDR)
        ThrowPngFault(PngFault::IhdrNotFirst);
    walker.VerifyCrc(ihdr);
    const PngHeader header = ParsePngHeader(ihdr);
    if (qint64(header.width) * header.height * qint64(sizeof(QRgb)) > kMaxPictureBytes)
        ThrowPngFault(PngFault::OutOfResources);
    return header;
}

// The state of one decoding: the chunks before the image data, then the
// image data itself.
class PngDecoding {
public:
    PngDecoding(PngChunkWalker& walker, PngScratch& scratch, QRgb background, bool keepAlpha)
        : walker_(walker), scratch_(scratch), header_(ReadHeader(walker)), run_(scratch.Joined()),
          background_(background), keepAlpha_(keepAlpha) {}

    QImage Run() {
        for (;;) {
            const PngChunk chunk = walker_.Next();
            if (data_ && !data_->IsComplete() && chunk.type != kIDAT)
                ThrowPngFault(PngFault::MissingParts);
            if (IsPassedOver(chunk))
                continue;
            walker_.VerifyCrc(chunk);
            if (chunk.type == kIEND)
                break;
            Take(chunk);
        }
        if (!data_)
            ThrowPngFault(PngFault::NoData);
        return std::move(image_);
    }

private:
    bool IsPassedOver(const PngChunk& chunk) const {
        return chunk.type == kCHRM || (chunk.type == kIDAT && data_ && data_->IsComplete());
    }

    void Take(const PngChunk& chunk) {
        switch (chunk.type) {
        case kIDAT:
            if (!data_)
                StartImageData();
            run_.Gather(chunk, walker_);
            data_->Feed(run_);
            return;
        case kIHDR:
            ThrowPngFault(PngFault::IhdrCorrupt);
        case kPLTE:
            if (!data_)
                colours_.ReadPalette(chunk);
            return;
        case kTRNS:
            if (!data_)
                colours_.ReadTransparency(header_, chunk);
            return;
        case kGAMA:
            if (!data_)
                colours_.ReadGamma(chunk);
            return;
        }
        if (!IsAncillaryChunk(chunk.type))
            ThrowPngFault(PngFault::UnknownCritical);
    }

    void StartImageData() {
        converter_.emplace(header_, colours_, background_, keepAlpha_);
        image_ = QImage(int(header_.width), int(header_.height),
                        keepAlpha_ ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (image_.isNull())
            ThrowPngFault(PngFault::OutOfResources);
        data_ = std::make_unique<PngImageData>(header_, *converter_, image_, scratch_);
    }

    PngChunkWalker& walker_;
    PngScratch& scratch_;
    const PngHeader header_;
    PngColourChunks colours_;
    std::optional<PngRowConverter> converter_;
    QImage image_;
    std::unique_ptr<PngImageData> data_;
    PngIdatRun run_;
    QRgb background_;
    bool keepAlpha_;
};

QImage Decode(const uchar* data, size_t size, QRgb background, bool keepAlpha) {
    PngChunkWalker walker(data, size);
    const PngScratchLease scratch;
    PngDecoding decoding(walker, *scratch, background, keepAlpha);
    return decoding.Run();
}

} // namespace

QImage DecodePngOntoWhite(const uchar* data, size_t size) {
    return DecodePngOnto(data, size, 0xFFFFFFFFu);
}

QImage DecodePngOnto(const uchar* data, size_t size, QRgb background) {
    return Decode(data, size, background, false);
}

QImage DecodePngWithAlpha(const uchar* data, size_t size) {
    return Decode(data, size, 0xFFFFFFFFu, true);
}

} // namespace volmar
