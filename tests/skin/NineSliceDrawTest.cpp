// The order in which a nine-sliced frame is drawn: whether the renderer
// fills the first column and row of a stretched image or leaves them empty,
// every pixel ends up drawn, and by the piece it belongs to.
#include <gtest/gtest.h>

#include <vector>

#include "skin/NineSlice.h"

namespace zk40::skin {
namespace {

// Paints each piece's number into a canvas, later pieces over earlier ones;
// a faulty renderer skips the leading column/row of a stretched piece.
std::vector<int> Render(const std::vector<SlicePiece>& pieces, const Rect& dest, bool skips_first) {
  std::vector<int> canvas(static_cast<std::size_t>(dest.Width() * dest.Height()), -1);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    Rect r = pieces[i].dest;
    if (skips_first && r.Width() != pieces[i].source.Width()) ++r.left;
    if (skips_first && r.Height() != pieces[i].source.Height()) ++r.top;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        canvas[static_cast<std::size_t>((y - dest.top) * dest.Width() + (x - dest.left))] = static_cast<int>(i);
      }
    }
  }
  return canvas;
}

TEST(NineSliceDraw, NoSeamWhetherOrNotTheRendererFillsTheFirstStretchedRowAndColumn) {
  const Rect dest = RectOfSize(0, 0, 116, 273);
  const Rect source = RectOfSize(0, 0, 65, 65);
  const std::vector<SlicePiece> exact = NineSlicePieces(dest, source, 32);
  const std::vector<SlicePiece> ordered = NineSliceDrawPieces(dest, source, 32);
  ASSERT_EQ(ordered.size(), 9u);
  EXPECT_EQ(ordered.front().source, (Rect{32, 32, 33, 33}));  // the middle first
  EXPECT_EQ(ordered.back().dest, (Rect{84, 241, 116, 273}));   // a corner last, exactly in place
  for (bool skips_first : {false, true}) {
    const std::vector<int> canvas = Render(ordered, dest, skips_first);
    for (int y = 0; y < dest.Height(); ++y) {
      for (int x = 0; x < dest.Width(); ++x) {
        const int drawn = canvas[static_cast<std::size_t>(y * dest.Width() + x)];
        ASSERT_GE(drawn, 0) << "seam at " << x << ", " << y;
        // The piece that painted the pixel last is the one it belongs to.
        EXPECT_EQ(ordered[static_cast<std::size_t>(drawn)].source,
                  [&] {
                    for (const SlicePiece& p : exact) {
                      if (p.dest.Contains({x, y})) return p.source;
                    }
                    return Rect{};
                  }())
            << x << ", " << y;
      }
    }
  }
  // Nothing reaches outside the destination.
  for (const SlicePiece& p : NineSliceDrawPieces(RectOfSize(5, 5, 40, 40), source, 0)) {
    EXPECT_EQ(p.dest, RectOfSize(5, 5, 40, 40));
  }
}

}  // namespace
}  // namespace zk40::skin
