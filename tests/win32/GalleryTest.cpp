// The control gallery with the generated skin: every skinned control on its
// real page. Screenshots go to the build's artifacts (gallery-*.png); a few
// pixels are checked against the skin pictures the controls were cut from.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/gallery/Gallery_win32.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/LightingPageLayout.h"
#include "skin/layout/MainWindowLayout.h"
#include "support/MessagePump_win32.h"
#include "support/TestPictures_win32.h"
#include "support/WindowCapture_win32.h"

namespace zk40::gallery {
namespace {

std::u16string SkinSet(const char* language) {
  const std::string path = std::string("Z:") + ZK40_SKIN_SETS_DIR + "/" + language;
  return std::u16string(path.begin(), path.end());
}

class GalleryShots : public ::testing::Test {
 protected:
  GdiPlusSession gdiplus;
  Gallery gallery;

  test::Capture Show(Showcase showcase, const char* language, const std::string& name) {
    Options options;
    options.showcase = showcase;
    options.chinese = std::string(language) == "sc";
    options.install_folder = SkinSet(language);
    EXPECT_TRUE(gallery.Open(options));
    ShowWindow(gallery.Window(), SW_SHOW);
    test::PumpMessagesFor(500);
    test::Capture shot = test::CaptureWindow(gallery.Window());
    std::filesystem::create_directories(ZK40_ARTIFACT_DIR);
    const std::filesystem::path file = std::filesystem::path(ZK40_ARTIFACT_DIR) / ("gallery-" + name + ".png");
    const GdiPlusImage image = test::MakeArgbImage(shot.width, shot.height, [&shot](int x, int y) -> ARGB {
      const COLORREF c = shot.At(x, y);
      return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    });
    EXPECT_TRUE(test::SavePngFile(image, file.u16string()));
    return shot;
  }
  COLORREF SkinPixel(const char* language, const layout::PageSkin& skin, std::u16string_view picture, int x, int y) {
    Bitmap bitmap;
    SIZE size{};
    const std::u16string install = SkinSet(language);
    EXPECT_TRUE(LoadPictureFile(skin.folder.empty() ? skin::SkinPath(install, picture)
                                                    : skin::SkinPath(install, skin.folder, picture),
                                bitmap, size));
    return test::PixelOf(bitmap.get(), x, y);
  }
  ~GalleryShots() override { gallery.Close(); }
};

TEST_F(GalleryShots, ButtonPageUnderItsLatchedTab) {
  const test::Capture shot = Show(Showcase::buttons, "en", "en-buttons");
  ASSERT_EQ(shot.width, 959);
  // The first tab is latched: it shows the down picture, the second the normal one.
  const Bitmap down = LoadBitmapResource(static_cast<UINT>(layout::kMainButtonsOther.down));
  const Bitmap normal = LoadBitmapResource(static_cast<UINT>(layout::kMainButtonsOther.normal));
  EXPECT_EQ(shot.At(100, 110), test::PixelOf(down.get(), 100, 110));
  EXPECT_EQ(shot.At(300, 110), test::PixelOf(normal.get(), 300, 110));
  // A latched DPI box (500) shows the page's Down picture, an unlatched one (750) its Normal.
  const layout::Point page = layout::main_window::kPageOrigin;
  const layout::Rect on = layout::button_page::kDpiBoxes[0], off = layout::button_page::kDpiBoxes[1];
  EXPECT_EQ(shot.At(page.x + on.left + 5, page.y + on.top + 7),
            SkinPixel("en", layout::kButtonPageSkin, layout::kButtonPageSkin.down, on.left + 5, on.top + 7));
  EXPECT_EQ(shot.At(page.x + off.left + 5, page.y + off.top + 7),
            SkinPixel("en", layout::kButtonPageSkin, layout::kButtonPageSkin.normal, off.left + 5, off.top + 7));
}

TEST_F(GalleryShots, LightingPageInBothLayouts) {
  for (const char* language : {"en", "sc"}) {
    const test::Capture shot = Show(Showcase::lighting, language, std::string(language) + "-lighting");
    const layout::Rect preview = layout::lighting_page::kColorPreview.For(std::string(language) == "sc");
    const layout::Point page = layout::main_window::kPageOrigin;
    EXPECT_EQ(shot.At(page.x + preview.left + 10, page.y + preview.top + 10),
              layout::lighting_page::kPresetColors[9])
        << "the colour swatch";
    gallery.Close();
  }
}

TEST_F(GalleryShots, MacroPageWithItsCaptionsAndEdits) {
  const test::Capture shot = Show(Showcase::macros, "en", "en-macros");
  EXPECT_EQ(shot.height, 639);
}

TEST_F(GalleryShots, ProgressDialogHalfFull) {
  const test::Capture shot = Show(Showcase::progress, "en", "en-progress");
  const layout::Rect bar = layout::progress::kBar;
  const int middle = (bar.top + bar.bottom) / 2;
  const GdiPlusImage full = LoadPngFile(skin::SkinPath(SkinSet("en"), layout::kProgressOver.folder,
                                                       layout::kProgressOver.name));
  const ARGB fill = test::PixelOf(full, bar.left + 10, middle);
  EXPECT_EQ(shot.At(bar.left + 10, middle), RGB((fill >> 16) & 0xFF, (fill >> 8) & 0xFF, fill & 0xFF));
  EXPECT_NE(shot.At(bar.left + 10, middle), shot.At(bar.right - 10, middle)) << "only the left half is filled";
}

}  // namespace
}  // namespace zk40::gallery
