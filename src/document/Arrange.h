#pragma once

#include "document/CanvasRect.h"

#include <cstddef>
#include <span>
#include <vector>

namespace volmar {

// The edge or centre line that the align commands make equal.
enum class AlignLine { Left, Right, Top, Bottom, HorizontalCentre, VerticalCentre };

// Horizontal works on Left/Right (x, widths), Vertical on Top/Bottom (y, heights).
enum class Axis { Horizontal, Vertical };

// The arithmetic below runs in 64 bits. A window is never pushed past the
// int32 range: a move that would carry an edge beyond it stops at the limit
// (the window keeps its size and falls short of the line), and an edge set
// by size matching stops at the limit (the size falls short).

// The centre of the edges a and b, rounded toward negative infinity.
qint64 CentreOf(qint32 a, qint32 b);

// Every rectangle moved so that the named line equals the reference's.
std::vector<CanvasRect> AlignRects(std::span<const CanvasRect> rects, std::size_t reference,
                                   AlignLine line);

// Every rectangle given the reference's width (Horizontal) or height
// (Vertical); left and top stay.
std::vector<CanvasRect> MatchSizes(std::span<const CanvasRect> rects, std::size_t reference,
                                   Axis axis);

// Equal spacing along the axis. The rectangles are ordered by left (top), the
// document order breaking ties; the first and the last stay, the others keep
// their order and sizes and are moved so that the gaps between neighbours
// (a gap runs from one's right to the next one's left, negative when they
// overlap) differ by at most one pixel, the larger gaps coming first.
// Fewer than three rectangles come back unchanged.
std::vector<CanvasRect> SpaceEvenly(std::span<const CanvasRect> rects, Axis axis);

} // namespace volmar
