// Picture loading on real files and resources under Windows: BMP through the
// platform's picture loader, PNG through GDI+, the cuts, the nine-slice draw,
// the thumb outline, and the rule that a missing or broken picture is empty.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/WideText_win32.h"
#include "skin/PictureLoading_win32.h"
#include "support/TempFolder.h"
#include "support/TestPictures_win32.h"

namespace zk40 {
namespace {

constexpr COLORREF kLeft = RGB(200, 30, 40), kRight = RGB(20, 160, 90);

// 40 x 30: the left half red, the right half green, pixel (39, 29) white.
COLORREF TwoHalves(int x, int y) {
  if (x == 39 && y == 29) return RGB(255, 255, 255);
  return x < 20 ? kLeft : kRight;
}

class PictureLoading : public ::testing::Test {
 protected:
  GdiPlusSession gdiplus;
  test::TempFolder folder;

  std::u16string WriteFile(const std::u16string& name, const std::string& bytes) {
    std::ofstream(folder.native() / std::filesystem::path(name), std::ios::binary) << bytes;
    return folder.Child(name);
  }
};

TEST_F(PictureLoading, ABmpFileLoadsWithItsSizeAndPixels) {
  ASSERT_TRUE(gdiplus.Started());
  Bitmap source = test::MakeBitmap(40, 30, TwoHalves);
  ASSERT_TRUE(test::SaveBitmapFile(source.get(), folder.Child(u"page.bmp")));
  Bitmap loaded;
  SIZE size{};
  ASSERT_TRUE(LoadPictureFile(folder.Child(u"page.bmp"), loaded, size));
  EXPECT_EQ(size.cx, 40);
  EXPECT_EQ(size.cy, 30);
  EXPECT_EQ(test::PixelOf(loaded.get(), 3, 3), kLeft);
  EXPECT_EQ(test::PixelOf(loaded.get(), 25, 3), kRight);
  EXPECT_EQ(test::PixelOf(loaded.get(), 39, 29), RGB(255, 255, 255)) << "rows are not upside down";
}

TEST_F(PictureLoading, AMissingOrBrokenPictureLeavesTheTargetEmptyWithSizeZero) {
  Bitmap source = test::MakeBitmap(40, 30, TwoHalves);
  ASSERT_TRUE(test::SaveBitmapFile(source.get(), folder.Child(u"good.bmp")));
  std::ifstream in(folder.native() / "good.bmp", std::ios::binary);
  const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::u16string broken[] = {
      folder.Child(u"missing.bmp"),
      WriteFile(u"empty.bmp", ""),
      WriteFile(u"garbage.bmp", std::string(500, '\x5A')),
      WriteFile(u"cut.bmp", good.substr(0, 70)),
  };
  for (const std::u16string& path : broken) {
    Bitmap target = test::SolidBitmap(5, 5, RGB(1, 2, 3));  // what it held is dropped
    SIZE size{7, 7};
    EXPECT_FALSE(LoadPictureFile(path, target, size)) << std::string(path.begin(), path.end());
    EXPECT_FALSE(target);
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
  }
  EXPECT_FALSE(LoadPngFile(folder.Child(u"missing.png")));
  EXPECT_FALSE(LoadPngFile(WriteFile(u"garbage.png", "\x89PNG\r\n\x1a\n and then nothing")));
}

TEST_F(PictureLoading, APngFileKeepsItsAlphaAndACloneKeepsItsPart) {
  GdiPlusImage made = test::MakeArgbImage(16, 8, [](int x, int) -> ARGB { return x < 8 ? 0x00000000 : 0xFF3060C0; });
  ASSERT_TRUE(test::SavePngFile(made, folder.Child(u"thumb.png")));
  GdiPlusImage png = LoadPngFile(folder.Child(u"thumb.png"));
  ASSERT_TRUE(png);
  EXPECT_EQ(png.Width(), 16);
  EXPECT_EQ(png.Height(), 8);
  EXPECT_EQ(test::PixelOf(png, 2, 2) >> 24, 0u) << "transparent stays transparent";
  EXPECT_EQ(test::PixelOf(png, 12, 2), 0xFF3060C0u);

  GdiPlusImage clone = CloneRectangle(png, skin::RectOfSize(8, 2, 8, 6));
  ASSERT_TRUE(clone);
  EXPECT_EQ(clone.Width(), 8);
  EXPECT_EQ(clone.Height(), 6);
  EXPECT_EQ(test::PixelOf(clone, 0, 0), 0xFF3060C0u);
  EXPECT_FALSE(CloneRectangle(png, skin::RectOfSize(10, 0, 8, 8))) << "reaches past the right edge";
  EXPECT_FALSE(CloneRectangle(GdiPlusImage(), skin::RectOfSize(0, 0, 2, 2)));
}

TEST_F(PictureLoading, CopyRectangleCutsOneToOneAndAnEmptySourceChangesNothing) {
  Bitmap page = test::MakeBitmap(40, 30, TwoHalves);
  WindowDC screen(nullptr);
  Bitmap cut;
  CopyRectangle(screen.get(), cut, page.get(), skin::Rect{15, 10, 25, 30});
  ASSERT_TRUE(cut);
  EXPECT_EQ(BitmapSize(cut.get()).cx, 10);
  EXPECT_EQ(BitmapSize(cut.get()).cy, 20);
  EXPECT_EQ(test::PixelOf(cut.get(), 4, 0), kLeft);
  EXPECT_EQ(test::PixelOf(cut.get(), 5, 0), kRight);
  HBITMAP before = cut.get();
  CopyRectangle(screen.get(), cut, nullptr, skin::Rect{0, 0, 10, 10});
  EXPECT_EQ(cut.get(), before);
}

TEST_F(PictureLoading, NineSliceDrawKeepsCornersAndStretchesTheRest) {
  // 9 x 9 source, corners of 3: corners blue, edges green, middle red.
  GdiPlusImage frame = test::MakeArgbImage(9, 9, [](int x, int y) -> ARGB {
    const bool edge_x = x < 3 || x >= 6, edge_y = y < 3 || y >= 6;
    if (edge_x && edge_y) return x == 0 && y == 0 ? 0xFFFFFFFF : 0xFF0000FF;
    return edge_x || edge_y ? 0xFF00FF00 : 0xFFFF0000;
  });
  Bitmap target = test::SolidBitmap(60, 40, RGB(0, 0, 0));
  WindowDC screen(nullptr);
  MemoryDC memory(screen.get());
  {
    SelectInDC select(memory.get(), target.get());
    GdiPlusGraphics graphics(memory.get());
    DrawNineSlice(graphics.get(), frame, skin::Rect{0, 0, 60, 40}, skin::Rect{0, 0, 9, 9}, 3);
  }
  EXPECT_EQ(test::PixelOf(target.get(), 0, 0), RGB(255, 255, 255)) << "the corner is not scaled";
  EXPECT_EQ(test::PixelOf(target.get(), 1, 1), RGB(0, 0, 255));
  EXPECT_EQ(test::PixelOf(target.get(), 58, 38), RGB(0, 0, 255));
  EXPECT_EQ(test::PixelOf(target.get(), 30, 1), RGB(0, 255, 0));
  EXPECT_EQ(test::PixelOf(target.get(), 1, 20), RGB(0, 255, 0));
  EXPECT_EQ(test::PixelOf(target.get(), 30, 20), RGB(255, 0, 0));
}

TEST_F(PictureLoading, TheThumbOutlineLeavesOutTheTopLeftColourAndTransparentPixelsCountAsBlack) {
  // A disc of radius 6 in 14 x 14, transparent around it.
  GdiPlusImage thumb = test::MakeArgbImage(14, 14, [](int x, int y) -> ARGB {
    const int dx = x - 7, dy = y - 7;
    return dx * dx + dy * dy <= 36 ? 0xFFE0E0E0 : 0x00FFFFFF;
  });
  Region region = OutlineRegion(thumb);
  ASSERT_TRUE(region);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(region.get(), 13, 13));
  EXPECT_TRUE(PtInRegion(region.get(), 7, 7));
  EXPECT_TRUE(PtInRegion(region.get(), 7, 1));
  EXPECT_FALSE(OutlineRegion(GdiPlusImage()));
}

TEST_F(PictureLoading, PngAndBitmapResourcesLoadAndAMissingOneIsEmpty) {
  test::PictureLibrary library(folder.native());
  ASSERT_TRUE(library.AddPng(129, test::MakeArgbImage(19, 11, [](int, int) -> ARGB { return 0xFF102030; })));
  ASSERT_TRUE(library.AddBitmap(154, test::MakeBitmap(12, 6, TwoHalves).get()));
  HMODULE module = library.Load();
  ASSERT_NE(module, nullptr);
  GdiPlusImage flag = LoadPngResource(129, module);
  ASSERT_TRUE(flag);
  EXPECT_EQ(flag.Width(), 19);
  EXPECT_EQ(flag.Height(), 11);
  EXPECT_FALSE(LoadPngResource(130, module));
  Bitmap bitmap = LoadBitmapResource(154, module);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(BitmapSize(bitmap.get()).cx, 12);
  EXPECT_EQ(test::PixelOf(bitmap.get(), 1, 1), kLeft);
  EXPECT_FALSE(LoadBitmapResource(155, module));
}

}  // namespace
}  // namespace zk40
