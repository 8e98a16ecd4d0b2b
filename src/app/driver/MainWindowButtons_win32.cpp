#include "app/driver/MainWindowButtons_win32.h"

#include <vector>

#include "shell/HintTargets.h"
#include "skin/PictureLoading_win32.h"
#include "skin/layout/MainWindowLayout.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {
namespace {

namespace main = layout::main_window;

RECT ToRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void CreateTitleButton(CGDIBitmapBtn& button, CWnd& window, const layout::Rect& rect, HBITMAP normal, HBITMAP over,
                       HBITMAP down, std::function<void()> onClick) {
  CButton::CreateArgs args;
  args.rect = ToRect(rect);
  args.parent = &window;
  args.on_click = std::move(onClick);
  (void)button.Create(args);
  button.SetStatePictures(args.rect, normal, over, down, normal);
}

void CreateIrregular(CIrrButton& button, CWnd& window, const layout::Quad& outline, bool showLatched,
                     std::function<void()> onClick) {
  const Region region = QuadRegion(outline);
  CIrrButton::CreateArgs args;
  args.region = region.get();
  args.parent = &window;
  args.on_click = std::move(onClick);
  (void)button.Create(args);
  // Light captions on the pressed look too: the selected tab and profile stay legible.
  button.SetTextColours(CIrrButton::TextColours{RGB(189, 189, 200), RGB(255, 255, 255), RGB(255, 255, 255)});
  button.SetToggleMode(showLatched);
}

constexpr const char* kTabKeys[5] = {"str_main", "str_led_title", "str_macro_manager", "str_sts", "str_about"};
constexpr const char* kProfileKeys[5] = {"str_profile1", "str_profile2", "str_profile3", "str_profile4",
                                         "str_profile5"};

}  // namespace

void MainWindowButtons::Create(CWnd& window, HBITMAP normal, HBITMAP over, HBITMAP down, bool chinese,
                               const MainWindowActions& actions) {
  CreateTitleButton(minimize_, window, main::kMinimizeButton, normal, over, down, actions.minimize);
  CreateTitleButton(hide_, window, main::kHideToTrayButton, normal, over, down, actions.hide);
  CreateTitleButton(language_, window, main::kLanguageButton, normal, over, down, actions.language);
  std::vector<CIrrButton*> irregular;
  for (int i = 0; i < 5; ++i) {
    const auto at = static_cast<std::size_t>(i);
    CreateIrregular(tabs_[at], window, main::kTabs[at], true, [tab = actions.tab, i] { tab(i + 1); });
    CreateIrregular(profiles_[at], window, main::kProfileButtons[at], true,
                    [profile = actions.profile, i] { profile(i + 1); });
    irregular.push_back(&tabs_[at]);
    irregular.push_back(&profiles_[at]);
  }
  CreateIrregular(apply_, window, main::kApplyButton, true, actions.apply);
  irregular.push_back(&apply_);
  // The layout of the pictures is chosen once, by the language at creation.
  CutIrregularPictures(irregular, chinese ? layout::kMainButtonsChinese : layout::kMainButtonsOther);
  ControlCreateArgs flag;
  flag.style = WS_VISIBLE | SS_BITMAP;
  flag.rect = ToRect(main::kFlagControl);
  flag.parent = &window;
  flag.id = main::kFlagControlId;
  (void)flag_.Create(flag);
}

void MainWindowButtons::SetCaptions(const StringTable& strings) {
  for (std::size_t i = 0; i < 5; ++i) {
    tabs_[i].SetWindowText(strings.Get(kTabKeys[i]));
    tabs_[i].SetTooltipText(strings.Get(kTabKeys[i]), true);
  }
  for (std::size_t i = 0; i < 5; ++i) {
    profiles_[i].SetWindowText(strings.Get(kProfileKeys[i]));
    profiles_[i].SetTooltipText(strings.Get(kProfileKeys[i]), true);
  }
  apply_.SetWindowText(strings.Get("str_ok"));
  apply_.SetTooltipText(strings.Get("str_ok"), true);
  for (auto* button : {&minimize_, &hide_, &language_}) button->Invalidate();
}

void MainWindowButtons::ShowTabSelected(int tab) {
  for (int i = 0; i < 5; ++i) tabs_[static_cast<std::size_t>(i)].SetLatched(i + 1 == tab);
}

void MainWindowButtons::ShowProfileSelected(int profile, bool selected) {
  if (profile < 1 || profile > 5) return;
  profiles_[static_cast<std::size_t>(profile - 1)].SetLatched(selected);
}

void MainWindowButtons::EnableProfilesAndApply(bool enable) {
  for (const CIrrButton& button : profiles_) button.EnableWindow(enable);
  apply_.EnableWindow(enable);
}

void MainWindowButtons::ShowFlag(int language) {
  Bitmap picture = LoadBitmapResource(static_cast<UINT>(layout::FlagBitmapId(language)));
  if (!picture) return;
  flag_.SetBitmap(picture.get());
  flag_picture_ = std::move(picture);
}

std::optional<int> MainWindowButtons::HintAt(POINT point) const {
  std::vector<HintTarget> targets;
  auto add = [&](const CIrrButton& button, int hint) {
    const skin::Rect& box = button.Box();
    targets.push_back(HintTarget{box.left, box.top, box.right, box.bottom, hint});
  };
  for (int i = 0; i < 5; ++i) add(tabs_[static_cast<std::size_t>(i)], main::kFirstTabHint + i);
  for (int i = 0; i < 5; ++i) add(profiles_[static_cast<std::size_t>(i)], main::kFirstProfileHint + i);
  add(apply_, main::kApplyHint);
  return zk40::HintAt(targets, point.x, point.y);
}

}  // namespace zk40
