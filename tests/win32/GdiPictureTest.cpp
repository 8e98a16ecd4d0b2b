// Skin pictures prepared for GDI: drawn over a background they must give the
// very pixels GDI+ gives for the same picture, so converting a control to
// them does not change its look.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "skin/GdiPicture_win32.h"
#include "skin/PictureLoading_win32.h"
#include "support/TestPictures_win32.h"

namespace zk40 {
namespace {

// A 32-bit surface filled with a patterned background, to draw on.
class Surface {
 public:
  Surface(int width, int height) : width_(width), height_(height), dc_(nullptr) {
    const BITMAPINFO info = TopDownBitmapInfo(width, height);
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<skin::Argb*>(bits);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) pixels_[y * width + x] = 0xFF000000u | (x * 37 % 256) << 16 | (y * 53 % 256) << 8 | 0x60;
    }
    old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~Surface() { SelectObject(dc_.get(), old_); }
  HDC dc() const { return dc_.get(); }
  std::vector<skin::Argb> Pixels() const {
    GdiFlush();
    std::vector<skin::Argb> rgb(pixels_, pixels_ + width_ * height_);
    for (skin::Argb& p : rgb) p &= skin::kRgbMask;  // GDI leaves the alpha byte of its output undefined
    return rgb;
  }

 private:
  int width_;
  int height_;
  MemoryDC dc_;
  Bitmap bitmap_;
  skin::Argb* pixels_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// Every level of alpha that rounds differently, in several colours.
GdiPlusImage SoftPicture() {
  return test::MakeArgbImage(24, 10, [](int x, int y) -> ARGB {
    static constexpr ARGB kAlphas[] = {0, 1, 2, 64, 127, 128, 129, 200, 254, 255, 255, 0};
    const ARGB alpha = kAlphas[x % 12];
    return alpha << 24 | static_cast<ARGB>(x * 11 % 256) << 16 | static_cast<ARGB>(255 - y * 20) << 8 |
           static_cast<ARGB>(y % 2 ? 0xFF : 0x10);
  });
}

void WithGdiPlus(HDC dc, const std::function<void(GpGraphics*)>& draw) {
  GdiPlusGraphics graphics(dc);
  ASSERT_TRUE(graphics);
  draw(graphics.get());
}

class GdiPictures : public ::testing::Test {
 protected:
  GdiPlusSession gdiplus;
};

TEST_F(GdiPictures, DrawnWholeOrInPartTheyGiveThePixelsOfGdiPlus) {
  const GdiPlusImage image = SoftPicture();
  const GdiPicture picture(image);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture.Width(), 24);
  EXPECT_EQ(picture.Height(), 10);
  EXPECT_FALSE(picture.Opaque());

  Surface ours(40, 30), theirs(40, 30);
  picture.DrawAt(ours.dc(), 5, 7);
  WithGdiPlus(theirs.dc(), [&](GpGraphics* g) { DrawImageAt(g, image, 5, 7); });
  EXPECT_EQ(ours.Pixels(), theirs.Pixels());

  // A part from inside the picture, as the progress bar draws its filled share.
  Surface part_ours(40, 30), part_theirs(40, 30);
  picture.Draw(part_ours.dc(), RECT{2, 3, 15, 9}, POINT{6, 2});
  WithGdiPlus(part_theirs.dc(), [&](GpGraphics* g) {
    gdip::GdipDrawImageRectRectI(g, image.get(), 2, 3, 13, 6, 6, 2, 13, 6, Gdiplus::UnitPixel, nullptr, nullptr,
                                 nullptr);
  });
  EXPECT_EQ(part_ours.Pixels(), part_theirs.Pixels());
}

TEST_F(GdiPictures, OpaquePicturesAreCopiedAndNothingIsDrawnOutsideThePicture) {
  const GdiPlusImage solid = test::MakeArgbImage(6, 4, [](int x, int y) -> ARGB { return 0xFF102030 + x + 16 * y; });
  const GdiPicture opaque(solid);
  EXPECT_TRUE(opaque.Opaque());
  const GdiPicture soft(test::MakeArgbImage(6, 4, [](int x, int) -> ARGB { return x == 5 ? 0xFE102030 : 0xFF102030; }));
  EXPECT_FALSE(soft.Opaque()) << "one pixel short of opaque must still blend";

  Surface surface(20, 20), untouched(20, 20);
  // A destination larger than the rest of the picture from (4, 1): a 2 x 3 piece.
  opaque.Draw(surface.dc(), RECT{10, 10, 20, 20}, POINT{4, 1});
  const std::vector<skin::Argb> drawn = surface.Pixels(), background = untouched.Pixels();
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * 20 + x);
      const bool inside = x >= 10 && x < 12 && y >= 10 && y < 13;
      const skin::Argb expected = inside ? (0x102030 + (x - 10 + 4) + 16 * (y - 10 + 1)) : background[i];
      ASSERT_EQ(drawn[i], expected) << x << "," << y;
    }
  }

  // An empty picture, or a part outside it, draws nothing.
  const GdiPicture empty{GdiPlusImage()};
  EXPECT_FALSE(empty);
  empty.DrawAt(surface.dc(), 0, 0);
  opaque.Draw(surface.dc(), RECT{0, 0, 5, 5}, POINT{6, 0});
  opaque.Draw(surface.dc(), RECT{0, 0, 5, 5}, POINT{-1, 0});
  EXPECT_EQ(surface.Pixels(), drawn);
}

TEST_F(GdiPictures, AFittedPictureIsStretchedToItsWindowOnlyWhenTheSizeDiffers) {
  // Two halves, so a stretch shows where each lands.
  auto halves = [](int x, int) -> ARGB { return x < 5 ? 0xFFC00000 : 0xFF0000C0; };
  FittedPicture fitted;
  fitted.Set(test::MakeArgbImage(10, 4, halves), 20, 8);
  ASSERT_TRUE(fitted);
  EXPECT_EQ(fitted.Picture().Width(), 20);
  EXPECT_EQ(fitted.Picture().Height(), 8);
  Surface surface(20, 8);
  fitted.Picture().DrawAt(surface.dc(), 0, 0);
  const std::vector<skin::Argb> stretched = surface.Pixels();
  EXPECT_EQ(stretched[2 * 20 + 2], 0xC00000u);
  EXPECT_EQ(stretched[5 * 20 + 17], 0x0000C0u);

  fitted.Fit(10, 4);
  EXPECT_EQ(fitted.Picture().Width(), 10) << "back to one to one";
  Surface exact(10, 4);
  fitted.Picture().DrawAt(exact.dc(), 0, 0);
  const std::vector<skin::Argb> one_to_one = exact.Pixels();
  for (int x = 0; x < 10; ++x) EXPECT_EQ(one_to_one[x], x < 5 ? 0xC00000u : 0x0000C0u) << x;

  FittedPicture nothing;
  nothing.Set(GdiPlusImage(), 20, 8);
  nothing.Fit(30, 8);
  EXPECT_FALSE(nothing);
}

}  // namespace
}  // namespace zk40
