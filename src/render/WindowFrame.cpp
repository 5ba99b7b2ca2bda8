#include "render/WindowFrame.h"

#include "document/CanvasSize.h"
#include "render/BlendedPieceDrawing.h"
#include "render/CanvasImage.h"
#include "render/SkinPieces.h"

#include <QHash>

namespace volmar {

namespace {

// Frames up to a default canvas's size are kept, within a budget of a few canvases.
constexpr qint64 kMaxFramePixels = qint64(kDefaultCanvas.Width) * kDefaultCanvas.Height;
constexpr qint64 kCachePixelBudget = 4 * kMaxFramePixels;

struct FrameKey {
    qint64 Skin;
    QRgb Key;
    int Width;
    int Height;
    friend bool operator==(const FrameKey&, const FrameKey&) = default;
};

size_t qHash(const FrameKey& k, size_t seed) {
    return qHashMulti(seed, k.Skin, k.Key, k.Width, k.Height);
}

struct CachedImage {
    QImage Image;
    quint64 LastUse = 0;
};

// Least recently used frames leave first when the budget would be exceeded.
class FrameCache {
public:
    const QImage* Get(const PreparedSkin& skin, int width, int height) {
        const FrameKey key{skin.Identity(), skin.Key(), width, height};
        auto it = entries_.find(key);
        if (it == entries_.end())
            it = Insert(key, Compose(skin, width, height));
        it->LastUse = ++clock_;
        return &it->Image;
    }

private:
    static QImage Compose(const PreparedSkin& skin, int width, int height) {
        QImage frame(width, height, QImage::Format_RGB32);
        ComposeFrame(skin, width, height, WindowArea{0, 0, Rect64{0, 0, width, height}}, frame);
        return frame;
    }

    QHash<FrameKey, CachedImage>::iterator Insert(const FrameKey& key, const QImage& frame) {
        const qint64 size = qint64(frame.width()) * frame.height();
        while (!entries_.isEmpty() && pixels_ + size > kCachePixelBudget)
            EvictOldest();
        pixels_ += size;
        return entries_.insert(key, CachedImage{frame, 0});
    }

    void EvictOldest() {
        auto oldest = entries_.begin();
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it->LastUse < oldest->LastUse)
                oldest = it;
        pixels_ -= qint64(oldest->Image.width()) * oldest->Image.height();
        entries_.erase(oldest);
    }

    QHash<FrameKey, CachedImage> entries_;
    qint64 pixels_ = 0;
    quint64 clock_ = 0;
};

} // namespace

void ComposeFrame(const PreparedSkin& skin, qint64 width, qint64 height, const WindowArea& area,
                  QImage& target) {
    FillArea(target, area.Visible.Translated(area.OriginX, area.OriginY), qRgb(255, 255, 255));
    if (skin.Layout() == SkinLayout::Rgss2) {
        for (const TiledPiece& piece : PlaceRgss2SkinPieces(width, height))
            DrawBlendedPiece(skin, piece, area, target);
        return;
    }
    for (const PlacedPiece& piece : PlaceSkinPieces(width, height))
        DrawPiece(skin, piece, area, target);
}

const QImage* CachedFrame(const PreparedSkin& skin, qint64 width, qint64 height) {
    if (width <= 0 || height <= 0 || width > kMaxFramePixels || height > kMaxFramePixels ||
        width * height > kMaxFramePixels)
        return nullptr;
    thread_local FrameCache cache;
    return cache.Get(skin, int(width), int(height));
}

} // namespace volmar
