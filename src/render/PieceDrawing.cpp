#include "render/PieceDrawing.h"

#include "render/NearestNeighbour.h"

#include <vector>

namespace volmar {

namespace {

// The skin coordinate shown at offset d of a destination extent: first into
// the piece image, then from the piece image into the source area.
int SkinCoordinate(qint64 d, qint64 destExtent, int pieceExtent, int sourceStart,
                   int sourceExtent) {
    const qint64 inPiece = NearestSource(d, destExtent, pieceExtent);
    return sourceStart + int(NearestSource(inPiece, pieceExtent, sourceExtent));
}

std::vector<int> SkinColumns(const PlacedPiece& piece, const Rect64& drawn) {
    std::vector<int> columns(size_t(drawn.Width()));
    const qint64 destWidth = piece.Destination.Width();
    for (size_t i = 0; i < columns.size(); ++i)
        columns[i] =
            SkinCoordinate(drawn.Left + qint64(i) - piece.Destination.Left, destWidth,
                           piece.PieceSize.width(), piece.Source.x(), piece.Source.width());
    return columns;
}

void DrawKeyedRow(const QRgb* source, const std::vector<int>& columns, QRgb key, QRgb* dest) {
    const size_t n = columns.size();
    for (size_t i = 0; i < n; ++i) {
        const QRgb p = source[columns[i]] | 0xFF000000u;
        if (p != key)
            dest[i] = p;
    }
}

} // namespace

void DrawPiece(const PreparedSkin& skin, const PlacedPiece& piece, const WindowArea& area,
               QImage& target) {
    const Rect64& dest = piece.Destination;
    const Rect64 drawn = dest.Intersected(area.Visible);
    if (dest.IsEmpty() || drawn.IsEmpty())
        return;
    const std::vector<int> columns = SkinColumns(piece, drawn);
    for (qint64 y = drawn.Top; y < drawn.Bottom; ++y) {
        const int skinY = SkinCoordinate(y - dest.Top, dest.Height(), piece.PieceSize.height(),
                                         piece.Source.y(), piece.Source.height());
        QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(int(area.OriginY + y)));
        DrawKeyedRow(skin.Row(skinY), columns, skin.Key(), row + area.OriginX + drawn.Left);
    }
}

} // namespace volmar
