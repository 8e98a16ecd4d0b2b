// What the pictures must show for the controls that cut them: the state
// pictures of a page differ only inside its controls, every control has its
// pressed look, the colour wheel holds the colours a click picks, the
// irregular buttons' pictures match the window around them.

#include <algorithm>
#include <set>

#include "ColorWheel.h"
#include "GeneratedSkins.h"
#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/ChooserLayout.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/LightingPageLayout.h"
#include "skin/layout/MacroPageLayout.h"
#include "skin/layout/MainWindowLayout.h"
#include "skin/layout/SkinFiles.h"
#include "skin/layout/SkinResourceIds.h"
#include "skin/layout/StatisticsPageLayout.h"
#include "skin/layout/SupportPageLayout.h"

namespace zk40::art::testing {
namespace {

namespace fs = std::filesystem;

struct PageControls {
  const layout::PageSkin* skin;
  std::vector<Rect> controls;
};

std::vector<PageControls> PagesOf(bool zh) {
  namespace bp = layout::button_page;
  namespace lp = layout::lighting_page;
  namespace mp = layout::macro_page;
  namespace st = layout::statistics_page;
  namespace su = layout::support_page;
  namespace mw = layout::main_window;
  namespace ch = layout::chooser;
  std::vector<PageControls> pages;

  PageControls main{&layout::kMainWindowSkin, {mw::kMinimizeButton, mw::kHideToTrayButton, mw::kLanguageButton}};
  for (const auto& q : mw::kTabs) main.controls.push_back(q.Bounds());
  for (const auto& q : mw::kProfileButtons) main.controls.push_back(q.Bounds());
  main.controls.push_back(mw::kApplyButton.Bounds());
  pages.push_back(main);

  PageControls buttons{&layout::kButtonPageSkin, {bp::kPrecisionBox, bp::kLinesButton.For(zh), bp::kScreenButton.For(zh),
                                                  bp::kLinesUp.For(zh), bp::kLinesDown.For(zh)}};
  for (const auto* list : {&bp::kDpiBoxes}) buttons.controls.insert(buttons.controls.end(), list->begin(), list->end());
  buttons.controls.insert(buttons.controls.end(), bp::kReportRateButtons.begin(), bp::kReportRateButtons.end());
  buttons.controls.insert(buttons.controls.end(), bp::kAreaCaptions.begin(), bp::kAreaCaptions.end());
  buttons.controls.insert(buttons.controls.end(), bp::kButtonMarkers.begin(), bp::kButtonMarkers.end());
  pages.push_back(buttons);

  PageControls lighting{&layout::kLightingPageSkin,
                        {lp::kProximityOn.For(zh), lp::kProximityOff.For(zh), lp::kLightingLabel,
                         lp::kColorSettingLabel.For(zh), lp::kCurrentColorLabel, lp::kPresetColorLabel,
                         lp::kCustomColorLabel}};
  for (const auto& e : lp::kEffectButtons) lighting.controls.push_back(e.rect.For(zh));
  for (int k = 0; k < lp::kPresetCount; ++k) lighting.controls.push_back(lp::PresetSwatch(k, zh));
  pages.push_back(lighting);

  PageControls macro{&layout::kMacroPageSkin,
                     {mp::kGameButton, mp::kNewMacroButton, mp::kDeleteMacroButton, mp::kInsertButton.For(zh),
                      mp::kDeleteStepButton.For(zh), mp::kModifyButton.For(zh), mp::kRecordButton, mp::kDelayToggle,
                      mp::kKeyChoice.For(zh), mp::kKeyOkButton.For(zh), mp::kDelayChoice.For(zh),
                      mp::kDelayOkButton.For(zh), mp::kMacroListLabel, mp::kStepListLabel}};
  for (const auto& b : mp::kMouseButtons) macro.controls.push_back(b.For(zh));
  pages.push_back(macro);

  PageControls statistics{&layout::kStatisticsPageSkin, {st::kResetButton, st::StripRect(12)}};
  for (int i = 0; i < st::kTrophyLevelCount; ++i) statistics.controls.push_back(st::TrophyIcon(i));
  pages.push_back(statistics);

  PageControls support{&layout::kSupportPageSkin, {}};
  for (const auto* c : su::kControls) support.controls.push_back(c->rect);
  pages.push_back(support);

  PageControls chooser{&layout::kChooserSkin, {ch::kCloseButton, ch::kDisableSwitch, ch::kDefaultButton, ch::kOkButton}};
  chooser.controls.insert(chooser.controls.end(), ch::kTabs.begin(), ch::kTabs.end());
  pages.push_back(chooser);

  PageControls combo{&layout::kChooserComboSkin, {}};
  combo.controls.assign(layout::chooser_combo::kModifierBoxes.begin(), layout::chooser_combo::kModifierBoxes.end());
  pages.push_back(combo);

  PageControls advanced{&layout::kChooserAdvancedSkin, {}};
  for (const auto& row : layout::chooser_advanced::kRows) {
    advanced.controls.push_back(row.option_switch);
    advanced.controls.push_back(row.browse);
  }
  pages.push_back(advanced);
  return pages;
}

fs::path PagePath(const fs::path& skins, const layout::PageSkin& skin, std::u16string_view name) {
  const std::string folder(skin.folder.begin(), skin.folder.end());
  const std::string file(name.begin(), name.end());
  return folder.empty() ? skins / file : skins / folder / file;
}

bool Inside(const std::vector<Rect>& rects, int x, int y) {
  for (const Rect& r : rects) {
    if (r.Contains({x, y})) return true;
  }
  return false;
}

bool Differs(const Picture& a, const Picture& b, Rect r) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (!(a.At(x, y) == b.At(x, y))) return true;
    }
  }
  return false;
}

class PageLooks : public GeneratedSkins, public ::testing::WithParamInterface<const char*> {};

TEST_P(PageLooks, StatePicturesDifferOnlyInsideTheControls) {
  const bool zh = std::string(GetParam()) == "sc";
  for (const auto& page : PagesOf(zh)) {
    const Picture normal = ReadPicture(PagePath(Skins(GetParam()), *page.skin, page.skin->normal));
    for (std::u16string_view state : {page.skin->over, page.skin->down}) {
      const Picture other = ReadPicture(PagePath(Skins(GetParam()), *page.skin, state));
      ASSERT_EQ(normal.width, other.width);
      int strays = 0;
      for (int y = 0; y < normal.height && strays == 0; ++y) {
        for (int x = 0; x < normal.width; ++x) {
          if (!Inside(page.controls, x, y) && !(normal.At(x, y) == other.At(x, y))) {
            ADD_FAILURE() << PagePath(Skins(GetParam()), *page.skin, state) << " differs outside the controls at " << x
                          << "," << y;
            ++strays;
            break;
          }
        }
      }
    }
  }
}

TEST_P(PageLooks, EveryControlHasAPressedLook) {
  const bool zh = std::string(GetParam()) == "sc";
  for (const auto& page : PagesOf(zh)) {
    const Picture normal = ReadPicture(PagePath(Skins(GetParam()), *page.skin, page.skin->normal));
    const Picture down = ReadPicture(PagePath(Skins(GetParam()), *page.skin, page.skin->down));
    for (const Rect& r : page.controls) {
      EXPECT_TRUE(Differs(normal, down, r)) << PagePath(Skins(GetParam()), *page.skin, page.skin->down) << " shows no "
                                            << "pressed look at " << r.left << "," << r.top << "-" << r.right << ","
                                            << r.bottom;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothInstalls, PageLooks, ::testing::Values("en", "sc"));

TEST_F(GeneratedSkins, AClickInsideTheColourWheelFindsTheWheelsColour) {
  namespace lp = layout::lighting_page;
  for (const char* set : {"en", "sc"}) {
    const Picture page = ReadPicture(Skins(set) / "Light" / "LedSet_normal.bmp");
    const Rect wheel = lp::kColorWheel;
    for (int y = wheel.top - 2; y < wheel.bottom + 2; ++y) {
      for (int x = wheel.left - 2; x < wheel.right + 2; ++x) {
        if (!InsideEllipse(wheel, x, y)) continue;
        const Rgb expected = WheelColorAt(wheel, x, y);
        ASSERT_TRUE(page.At(x, y) == expected) << set << " wheel pixel " << x << "," << y;
      }
    }
    // Pure red at the right of the rim, white in the middle.
    const Rgb rim = page.At(wheel.right - 1, (wheel.top + wheel.bottom) / 2);
    EXPECT_EQ(rim.r, 255);
    EXPECT_LT(rim.g, 20);
    EXPECT_LT(rim.b, 20);
    const Rgb middle = page.At((wheel.left + wheel.right) / 2, (wheel.top + wheel.bottom) / 2);
    EXPECT_GT(std::min({middle.r, middle.g, middle.b}), 240);
  }
}

// The main window paints Main_Normal.bmp and the irregular buttons copy
// from their own pictures: in an English install the two must agree
// everywhere but on the eleven buttons, whose captions the program draws.
TEST_F(GeneratedSkins, IrregularButtonPicturesMatchTheWindowAroundThem) {
  namespace mw = layout::main_window;
  const Picture background = ReadPicture(Skins("en") / "Main_Normal.bmp");
  const Picture buttons = ReadPicture(Resources() / ("bitmap" + std::to_string(layout::kMainButtonsOther.normal) + ".bmp"));
  ASSERT_EQ(background.rgba.size(), buttons.rgba.size());
  std::vector<Rect> captioned;
  for (const auto& q : mw::kTabs) captioned.push_back(q.Bounds());
  for (const auto& q : mw::kProfileButtons) captioned.push_back(q.Bounds());
  captioned.push_back(mw::kApplyButton.Bounds());
  const auto on_a_button = [&](int x, int y) {
    return std::any_of(captioned.begin(), captioned.end(),
                       [&](const Rect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; });
  };
  int differing = 0;
  for (int y = 0; y < background.height; ++y) {
    for (int x = 0; x < background.width; ++x) {
      if (!on_a_button(x, y) && !(background.At(x, y) == buttons.At(x, y))) ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
  const Picture page = ReadPicture(Skins("en") / "ZK40_Main_Normal.bmp");
  const Picture entries =
      ReadPicture(Resources() / ("bitmap" + std::to_string(layout::kButtonEntriesOther.normal) + ".bmp"));
  for (const auto& q : layout::button_page::kButtonEntries) EXPECT_FALSE(Differs(page, entries, q.Bounds()));
}

TEST_F(GeneratedSkins, SliderThumbIsOpaqueOrClearAndNeverPureBlack) {
  const Picture thumb = ReadPicture(Skins("en") / "Slider.png");
  int opaque = 0;
  for (int y = 0; y < thumb.height; ++y) {
    for (int x = 0; x < thumb.width; ++x) {
      const std::uint8_t a = thumb.AlphaAt(x, y);
      ASSERT_TRUE(a == 0 || a == 255) << x << "," << y;
      if (a == 255) {
        ++opaque;
        EXPECT_FALSE(thumb.At(x, y) == (Rgb{0, 0, 0})) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(thumb.AlphaAt(0, 0), 0) << "the outline is cut by the top-left pixel's colour";
  EXPECT_GT(opaque, thumb.width * thumb.height / 2);
}

TEST_F(GeneratedSkins, FlagsAndTrophiesAreAllDifferent) {
  std::set<std::vector<std::uint8_t>> flags, small_flags, trophies;
  for (int language = 1; language <= layout::kLanguageCount; ++language) {
    flags.insert(ReadPicture(Resources() / ("bitmap" + std::to_string(layout::FlagBitmapId(language)) + ".bmp")).rgba);
    small_flags.insert(ReadPicture(Resources() / ("png" + std::to_string(layout::SmallFlagPngId(language)) + ".png")).rgba);
  }
  for (int level = 0; level < layout::kTrophyLevels; ++level) {
    trophies.insert(ReadPicture(Skins("en") / "trophy" / ("trophy" + std::to_string(level) + "Down.bmp")).rgba);
  }
  EXPECT_EQ(flags.size(), 12u);
  EXPECT_EQ(small_flags.size(), 12u);
  EXPECT_EQ(trophies.size(), 13u);
}

TEST_F(GeneratedSkins, PopupFrameIsClearOutsideItsRoundedCornersAndOpaqueInside) {
  const Picture frame = ReadPicture(Resources() / ("png" + std::to_string(layout::kPopupFramePng) + ".png"));
  EXPECT_EQ(frame.AlphaAt(0, 0), 0);
  EXPECT_EQ(frame.AlphaAt(frame.width - 1, frame.height - 1), 0);
  EXPECT_EQ(frame.AlphaAt(frame.width / 2, frame.height / 2), 255);
}

}  // namespace
}  // namespace zk40::art::testing
