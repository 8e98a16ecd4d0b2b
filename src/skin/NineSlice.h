#pragma once
// A nine-slice draw cuts a source rectangle into four corners of c x c
// pixels, four edges and a middle: the corners go unscaled to the corners of
// the destination, the edges stretch along their length only, the middle
// both ways. This is the arithmetic; the Win32 side draws the pieces.

#include <vector>

#include "skin/Geometry.h"

namespace zk40::skin {

struct SlicePiece {
  Rect source;
  Rect dest;
  friend bool operator==(const SlicePiece&, const SlicePiece&) = default;
};

// The pieces, row by row. A corner too large for either rectangle is reduced
// (to half the destination, and so that the source keeps a middle to
// stretch), so pieces never overlap or turn inside out; pieces of no size
// are left out.
std::vector<SlicePiece> NineSlicePieces(const Rect& dest, const Rect& source, int corner);

// The same pieces in the order to draw them: the middle, then the edges,
// then the corners, each stretched piece reaching one pixel further under
// the piece drawn after it at its leading (left, top) side. A renderer that
// leaves the first column or row of a stretched image empty (Wine's GDI+
// does) then leaves no seam, and one that fills it has it covered.
std::vector<SlicePiece> NineSliceDrawPieces(const Rect& dest, const Rect& source, int corner);

}  // namespace zk40::skin
