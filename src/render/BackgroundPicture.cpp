#include "render/BackgroundPicture.h"

#include "document/CanvasSize.h"
#include "render/Colors.h"
#include "render/PngDecoder.h"
#include "render/SkinLoader.h"

#include <algorithm>

namespace volmar {

BackgroundPicture BackgroundPicture::Load(const QString& path, quint32 canvasBgr) {
    BackgroundPicture picture;
    picture.path_ = path;
    picture.bytes_ = ReadPngFile(path);
    picture.colour_ = canvasBgr;
    picture.Decode();
    return picture;
}

void BackgroundPicture::SetCanvasColour(quint32 canvasBgr) {
    if (IsEmpty() || canvasBgr == colour_)
        return;
    colour_ = canvasBgr;
    Decode();
}

void BackgroundPicture::Decode() {
    QImage decoded = DecodePngOnto(reinterpret_cast<const uchar*>(bytes_.constData()),
                                   size_t(bytes_.size()), RgbFromBgr(colour_));
    if (decoded.width() > kLargestCanvas.Width || decoded.height() > kLargestCanvas.Height)
        decoded = decoded.copy(0, 0, std::min(decoded.width(), kLargestCanvas.Width),
                               std::min(decoded.height(), kLargestCanvas.Height));
    image_ = std::move(decoded);
}

} // namespace volmar
