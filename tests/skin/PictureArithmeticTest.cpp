// Skin paths, the nine-slice pieces and the transparency passes.
#include <gtest/gtest.h>

#include <vector>

#include "skin/BmpCheck.h"
#include "skin/NineSlice.h"
#include "skin/PixelPasses.h"
#include "skin/SkinPaths.h"

namespace zk40::skin {
namespace {

TEST(SkinPaths, PagesAndTheListBoxReachTheSameSkinsFolder) {
  EXPECT_EQ(SkinPath(u"C:\\Program Files\\ZK40", u"Slider.png"), u"C:\\Program Files\\ZK40\\skins\\Slider.png");
  EXPECT_EQ(ListBoxSkinPath(u"C:\\Program Files\\ZK40\\", u"up_normal.png"),
            SkinPath(u"C:\\Program Files\\ZK40", u"up_normal.png"));
  EXPECT_EQ(SkinPath(u"D:\\z", u"Light", u"LedSet_over.bmp"), u"D:\\z\\skins\\Light\\LedSet_over.bmp");
  EXPECT_EQ(SkinPath(u"D:\\z", u"trophy", TrophyFileName(12)), u"D:\\z\\skins\\trophy\\trophy12Down.bmp");
}

int Area(const Rect& r) { return r.Width() * r.Height(); }

// The pieces cover the destination exactly once and each stays inside it.
void ExpectTiles(const std::vector<SlicePiece>& pieces, const Rect& dest) {
  int area = 0;
  for (const SlicePiece& piece : pieces) {
    EXPECT_FALSE(IsEmpty(piece.dest));
    EXPECT_GE(piece.dest.left, dest.left);
    EXPECT_GE(piece.dest.top, dest.top);
    EXPECT_LE(piece.dest.right, dest.right);
    EXPECT_LE(piece.dest.bottom, dest.bottom);
    area += Area(piece.dest);
  }
  EXPECT_EQ(area, Area(dest));
}

TEST(NineSlice, CornersStayUnscaledEdgesStretchAlongTheirLengthAndTheMiddleBothWays) {
  const Rect source = RectOfSize(0, 0, 65, 65);
  const Rect dest = RectOfSize(10, 20, 116, 273);
  const auto pieces = NineSlicePieces(dest, source, 32);
  ASSERT_EQ(pieces.size(), 9u);
  EXPECT_EQ(pieces[0], (SlicePiece{{0, 0, 32, 32}, {10, 20, 42, 52}}));                  // top left
  EXPECT_EQ(pieces[2], (SlicePiece{{33, 0, 65, 32}, {94, 20, 126, 52}}));                // top right
  EXPECT_EQ(pieces[6], (SlicePiece{{0, 33, 32, 65}, {10, 261, 42, 293}}));               // bottom left
  EXPECT_EQ(pieces[8], (SlicePiece{{33, 33, 65, 65}, {94, 261, 126, 293}}));             // bottom right
  EXPECT_EQ(pieces[1], (SlicePiece{{32, 0, 33, 32}, {42, 20, 94, 52}}));                 // top edge: wider only
  EXPECT_EQ(pieces[3], (SlicePiece{{0, 32, 32, 33}, {10, 52, 42, 261}}));                // left edge: taller only
  EXPECT_EQ(pieces[4], (SlicePiece{{32, 32, 33, 33}, {42, 52, 94, 261}}));               // middle
  ExpectTiles(pieces, dest);
}

TEST(NineSlice, ADestinationSmallerThanTwoCornersShrinksTheCornersInsteadOfTurningPiecesInsideOut) {
  const Rect source = RectOfSize(0, 0, 65, 65);
  for (const Rect& dest : {RectOfSize(0, 0, 40, 100), RectOfSize(5, 5, 63, 7), RectOfSize(0, 0, 1, 1)}) {
    const auto pieces = NineSlicePieces(dest, source, 32);
    ExpectTiles(pieces, dest);
    for (const SlicePiece& piece : pieces) EXPECT_FALSE(IsEmpty(piece.source));
  }
  const auto narrow_source = NineSlicePieces(RectOfSize(0, 0, 100, 100), RectOfSize(0, 0, 20, 65), 32);
  ExpectTiles(narrow_source, RectOfSize(0, 0, 100, 100));
  EXPECT_TRUE(NineSlicePieces(Rect{}, RectOfSize(0, 0, 65, 65), 32).empty());
}

TEST(PixelPasses, PopupContentMagentaVanishesBlackStaysVisibleEverythingElseTurnsOpaque) {
  std::vector<Argb> pixels{0x00FF00FF, 0x7FFF00FF, 0x00000000, 0x12345678, 0x00FE00FF, 0xFF000001};
  KeyOutMagenta(pixels);
  EXPECT_EQ(pixels, (std::vector<Argb>{0, 0, 0xFF000001, 0xFF345678, 0xFFFE00FF, 0xFF000001}));
}

TEST(PixelPasses, BlackBecomesBlueOneButATransparentPixelOfALayerIsNoBlackPixel) {
  std::vector<Argb> layer{0x00000000, 0xFF000000, 0x80000000, 0xFF102030};
  MakeBlackVisible(layer, AlphaMeaning::premultiplied);
  EXPECT_EQ(layer, (std::vector<Argb>{0x00000000, 0xFF000001, 0x80000001, 0xFF102030}));
  std::vector<Argb> gdi{0x00000000, 0x00FFFFFF};
  MakeBlackVisible(gdi, AlphaMeaning::ignored);
  EXPECT_EQ(gdi, (std::vector<Argb>{0x00000001, 0x00FFFFFF}));
}

TEST(PixelPasses, OutlineLeavesOutEveryPixelOfTheTopLeftColourAndNothingElse) {
  constexpr Argb k = 0xFF000000, o = 0xFFC0C0C0, e = 0xFF000001;
  // A round-ish thumb on black, with a near-black pixel that must stay in.
  const std::vector<Argb> picture{k, o, o, k,  //
                                  o, o, e, o,  //
                                  k, o, k, k};
  EXPECT_EQ(OutlineRuns(picture, 4, 3),
            (std::vector<PixelRun>{{0, 1, 3}, {1, 0, 4}, {2, 1, 2}}));
  // The key is the colour only: alpha does not matter.
  EXPECT_TRUE(OutlineRuns(std::vector<Argb>{0x00112233, 0xFF112233}, 2, 1).empty());
  EXPECT_TRUE(OutlineRuns(picture, 4, 4).empty()) << "fewer pixels than the size says";
}

// A 24-bit BMP of width x height with the V3 info header.
std::vector<std::uint8_t> Bmp(int width, int height, std::size_t pixel_bytes) {
  std::vector<std::uint8_t> file(54 + pixel_bytes, 0);
  auto put32 = [&file](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  file[26] = 1;
  file[28] = 24;
  return file;
}

TEST(BmpCheck, ABmpMustHoldThePixelsItsHeaderPromises) {
  // 3 pixels of 24 bits need 9 bytes, padded to 12 per row.
  EXPECT_TRUE(BmpLooksComplete(Bmp(3, 2, 24)));
  EXPECT_TRUE(BmpLooksComplete(Bmp(3, -2, 24))) << "top-down rows";
  EXPECT_FALSE(BmpLooksComplete(Bmp(3, 2, 23)));
  EXPECT_FALSE(BmpLooksComplete(Bmp(959, 639, 100)));
  EXPECT_FALSE(BmpLooksComplete(Bmp(0, 2, 24)));
  EXPECT_FALSE(BmpLooksComplete(Bmp(65536 * 1024, 65536, 24))) << "no overflow into a small size";
  auto header_cut = Bmp(3, 2, 24);
  header_cut.resize(30);
  EXPECT_FALSE(BmpLooksComplete(header_cut));
  const std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G'};
  EXPECT_TRUE(BmpLooksComplete(png)) << "other formats are left to their decoder";
}

}  // namespace
}  // namespace zk40::skin
