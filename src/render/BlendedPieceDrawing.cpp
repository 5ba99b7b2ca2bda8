#include "render/BlendedPieceDrawing.h"

#include "render/FlattenOntoWhite.h"
#include "render/NearestNeighbour.h"

#include <vector>

namespace volmar {

namespace {

// The skin coordinate shown at offset d of a destination extent.
int SkinCoordinate(qint64 d, qint64 destExtent, int sourceStart, int sourceExtent, bool stretched) {
    const qint64 inSource =
        stretched ? NearestSource(d, destExtent, sourceExtent) : d % sourceExtent;
    return sourceStart + int(inSource);
}

QRgb Over(QRgb top, QRgb below) {
    const uint a = uint(qAlpha(top));
    if (a == 255)
        return top;
    return FlattenPixelOnto(uint(qRed(top)), uint(qGreen(top)), uint(qBlue(top)), a, below);
}

void DrawBlendedRow(const QRgb* source, const std::vector<int>& columns, QRgb* dest) {
    const size_t n = columns.size();
    for (size_t i = 0; i < n; ++i) {
        const QRgb p = source[columns[i]];
        if (qAlpha(p) != 0)
            dest[i] = Over(p, dest[i]);
    }
}

} // namespace

void DrawBlendedPiece(const PreparedSkin& skin, const TiledPiece& piece, const WindowArea& area,
                      QImage& target) {
    const Rect64& dest = piece.Destination;
    const Rect64 drawn = dest.Intersected(area.Visible);
    if (dest.IsEmpty() || drawn.IsEmpty())
        return;
    const QRect& source = piece.Source;
    std::vector<int> columns(size_t(drawn.Width()));
    for (size_t i = 0; i < columns.size(); ++i)
        columns[i] = SkinCoordinate(drawn.Left + qint64(i) - dest.Left, dest.Width(), source.x(),
                                    source.width(), piece.Stretched);
    for (qint64 y = drawn.Top; y < drawn.Bottom; ++y) {
        const int skinY = SkinCoordinate(y - dest.Top, dest.Height(), source.y(), source.height(),
                                         piece.Stretched);
        QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(int(area.OriginY + y)));
        DrawBlendedRow(skin.Row(skinY), columns, row + area.OriginX + drawn.Left);
    }
}

} // namespace volmar
