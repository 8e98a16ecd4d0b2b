#include "skin/NineSlice.h"

#include <algorithm>
#include <array>

namespace zk40::skin {
namespace {

// The three bands [a, a + c), [a + c, b - c), [b - c, b) of one axis.
std::array<std::pair<int, int>, 3> Bands(int a, int b, int c) { return {{{a, a + c}, {a + c, b - c}, {b - c, b}}}; }

}  // namespace

std::vector<SlicePiece> NineSlicePieces(const Rect& dest, const Rect& source, int corner) {
  std::vector<SlicePiece> pieces;
  if (IsEmpty(dest) || IsEmpty(source)) return pieces;
  // The source keeps at least one middle pixel to stretch.
  const int c = std::max(0, std::min({corner, dest.Width() / 2, dest.Height() / 2, (source.Width() - 1) / 2,
                                      (source.Height() - 1) / 2}));
  const auto sx = Bands(source.left, source.right, c), sy = Bands(source.top, source.bottom, c);
  const auto dx = Bands(dest.left, dest.right, c), dy = Bands(dest.top, dest.bottom, c);
  for (std::size_t row = 0; row < 3; ++row) {
    for (std::size_t column = 0; column < 3; ++column) {
      const SlicePiece piece{{sx[column].first, sy[row].first, sx[column].second, sy[row].second},
                             {dx[column].first, dy[row].first, dx[column].second, dy[row].second}};
      if (!IsEmpty(piece.source) && !IsEmpty(piece.dest)) pieces.push_back(piece);
    }
  }
  return pieces;
}

std::vector<SlicePiece> NineSliceDrawPieces(const Rect& dest, const Rect& source, int corner) {
  std::vector<SlicePiece> pieces = NineSlicePieces(dest, source, corner);
  const auto stretched = [](const SlicePiece& p) {
    return (p.dest.Width() != p.source.Width() ? 1 : 0) + (p.dest.Height() != p.source.Height() ? 1 : 0);
  };
  std::stable_sort(pieces.begin(), pieces.end(),
                   [&](const SlicePiece& a, const SlicePiece& b) { return stretched(a) > stretched(b); });
  for (SlicePiece& p : pieces) {
    // Only where a piece drawn later covers the extra pixel.
    if (p.dest.Width() != p.source.Width() && p.dest.left > dest.left) --p.dest.left;
    if (p.dest.Height() != p.source.Height() && p.dest.top > dest.top) --p.dest.top;
  }
  return pieces;
}

}  // namespace zk40::skin
