#include "app/gallery/Gallery_win32.h"

#include <vector>

#include "skin/PictureLoading_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/LightingPageLayout.h"
#include "skin/layout/MacroPageLayout.h"
#include "skin/layout/MainWindowLayout.h"

namespace zk40::gallery {
namespace {

const layout::PageSkin& SkinOf(Showcase showcase) {
  switch (showcase) {
    case Showcase::lighting: return layout::kLightingPageSkin;
    case Showcase::macros: return layout::kMacroPageSkin;
    default: return layout::kButtonPageSkin;
  }
}

std::u16string Number(int n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

bool ParseArguments(const std::vector<std::u16string>& args, const std::u16string& program_folder, Options& options) {
  options.install_folder = program_folder + u"\\..\\install";
  for (const std::u16string& arg : args) {
    if (arg == u"buttons") {
      options.showcase = Showcase::buttons;
    } else if (arg == u"lighting") {
      options.showcase = Showcase::lighting;
    } else if (arg == u"macros") {
      options.showcase = Showcase::macros;
    } else if (arg == u"progress") {
      options.showcase = Showcase::progress;
    } else if (arg == u"--chinese") {
      options.chinese = true;
    } else if (!arg.empty() && arg[0] != u'-') {
      options.install_folder = arg;
    } else {
      return false;
    }
  }
  return true;
}

bool Gallery::Open(const Options& options) {
  thumb_ = skin::SkinPath(options.install_folder, layout::kSliderThumb.name);
  if (options.showcase == Showcase::progress) {
    // The dialog's background is the empty bar's picture; the bar cuts both.
    const auto& empty = layout::kProgressNormal;
    const auto& full = layout::kProgressOver;
    const std::u16string empty_path = skin::SkinPath(options.install_folder, empty.folder, empty.name);
    PagePictures dialog;
    dialog.normal_image = LoadPngFile(empty_path);
    if (!main_.Open(nullptr, skin::RectOfSize(0, 0, empty.size.width, empty.size.height), std::move(dialog))) {
      return false;
    }
    main_.AddProgress(layout::progress::kBar, LoadPngFile(empty_path),
                      LoadPngFile(skin::SkinPath(options.install_folder, full.folder, full.name)), 50);
    return true;
  }
  const layout::Size size = layout::main_window::kSize;
  if (!main_.Open(nullptr, skin::RectOfSize(0, 0, size.width, size.height),
                  LoadPagePictures(options.install_folder, layout::kMainWindowSkin, false))) {
    return false;
  }
  FillMainWindow(options);
  const layout::Point origin = layout::main_window::kPageOrigin;
  const layout::Size page = layout::main_window::kPageSize;
  if (!page_.Open(&main_, skin::RectOfSize(origin.x, origin.y, page.width, page.height),
                  LoadPagePictures(options.install_folder, SkinOf(options.showcase), true))) {
    return false;
  }
  switch (options.showcase) {
    case Showcase::lighting: FillLightingPage(options); break;
    case Showcase::macros: FillMacroPage(options); break;
    default: FillButtonPage(options); break;
  }
  return true;
}

void Gallery::FillMainWindow(const Options& options) {
  namespace main = layout::main_window;
  const layout::StatePictureIds& ids = options.chinese ? layout::kMainButtonsChinese : layout::kMainButtonsOther;
  const int selected_tab = static_cast<int>(options.showcase);
  std::vector<CIrrButton*> irregular;
  for (std::size_t i = 0; i < main::kTabs.size(); ++i) {
    irregular.push_back(&main_.AddIrregular(main::kTabs[i], static_cast<int>(i) == selected_tab));
  }
  for (std::size_t i = 0; i < main::kProfileButtons.size(); ++i) {
    irregular.push_back(&main_.AddIrregular(main::kProfileButtons[i], i == 0));
  }
  irregular.push_back(&main_.AddIrregular(main::kApplyButton, false));
  CutIrregularPictures(irregular, ids);
  main_.AddButton(main::kMinimizeButton);
  main_.AddButton(main::kHideToTrayButton);
  main_.AddButton(main::kLanguageButton);
}

void Gallery::FillButtonPage(const Options& options) {
  namespace page = layout::button_page;
  const bool zh = options.chinese;
  for (std::size_t i = 0; i < page::kDpiBoxes.size(); ++i) page_.AddButton(page::kDpiBoxes[i], i % 2 == 0 && i < 6);
  page_.AddSlider(page::kPointerSpeedSlider, thumb_, page::kPointerSpeedSliderId, {1, 20}, 10,
                  page::kSliderTrackRightInset);
  page_.AddSlider(page::kLiftOffSlider, thumb_, page::kLiftOffSliderId, {1, 30}, 8, page::kSliderTrackRightInset);
  page_.AddButton(page::kPrecisionBox, true);
  for (std::size_t i = 0; i < page::kReportRateButtons.size(); ++i) page_.AddButton(page::kReportRateButtons[i], i == 2);
  page_.AddButton(page::kLinesButton.For(zh), true);
  page_.AddButton(page::kScreenButton.For(zh));
  page_.AddButton(page::kLinesUp.For(zh));
  page_.AddButton(page::kLinesDown.For(zh));
  page_.AddEdit(page::kLinesField.For(zh), u"3");
  for (const layout::Rect& caption : page::kAreaCaptions) page_.AddButton(caption);
  for (std::size_t i = 0; i < page::kButtonMarkers.size(); ++i) page_.AddButton(page::kButtonMarkers[i], i == 0);
  const layout::StatePictureIds& ids = zh ? layout::kButtonEntriesChinese : layout::kButtonEntriesOther;
  std::vector<CIrrButton*> entries;
  for (const layout::Quad& entry : page::kButtonEntries) entries.push_back(&page_.AddIrregular(entry, false));
  CutIrregularPictures(entries, ids);
}

void Gallery::FillLightingPage(const Options& options) {
  namespace page = layout::lighting_page;
  const bool zh = options.chinese;
  for (std::size_t i = 0; i < page::kEffectButtons.size(); ++i) page_.AddButton(page::kEffectButtons[i].rect.For(zh), i == 0);
  page_.AddSlider(page::kBreathingSpeedSlider.For(zh), thumb_, page::kBreathingSpeedSliderId, {1, 5}, 3, 0);
  page_.AddSlider(page::kBrightnessSlider.For(zh), thumb_, page::kBrightnessSliderId, {1, 10}, 7, 0);
  page_.AddButton(page::kProximityOn.For(zh), true);
  page_.AddButton(page::kProximityOff.For(zh));
  const std::uint32_t colour = page::kPresetColors[9];
  page_.AddSwatch(page::kColorPreview.For(zh), colour);
  const int parts[3] = {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                        static_cast<int>((colour >> 16) & 0xFF)};
  for (std::size_t i = 0; i < 3; ++i) {
    page_.AddSlider(page::kColorSliders[i].For(zh), thumb_, static_cast<UINT>(page::kColorSliderIds[i]), {0, 255},
                    parts[i], page::kColorSliderTrackRightInset);
    page_.AddEdit(page::kColorFields[i], Number(parts[i]));
  }
}

void Gallery::FillMacroPage(const Options& options) {
  namespace page = layout::macro_page;
  const bool zh = options.chinese;
  auto colours = [](const std::array<std::uint32_t, 3>& c) {
    return CGDIBitmapBtn::TextColours{c[0], c[1], c[2]};
  };
  auto& game = page_.AddButton(page::kGameButton);
  game.SetTextColours(colours(page::kGameButtonTextColors));
  game.SetCaption(u"Counter-Strike 2");
  page_.AddButton(page::kNewMacroButton);
  page_.AddButton(page::kDeleteMacroButton);
  page_.AddButton(page::kInsertButton.For(zh));
  page_.AddButton(page::kDeleteStepButton.For(zh));
  page_.AddButton(page::kModifyButton.For(zh));
  auto& record = page_.AddButton(page::kRecordButton);
  record.SetTextColours(colours(page::kRecordButtonTextColors));
  record.SetCaption(zh ? u"\u5F00\u59CB\u5F55\u5236" : u"Record");
  page_.AddButton(page::kDelayToggle, true);
  page_.AddEdit(page::kLoopCountEdit, u"1");
  for (const auto& button : page::kMouseButtons) page_.AddButton(button.For(zh)).notify_press = true;
  page_.AddButton(page::kKeyChoice.For(zh), true);
  page_.AddEdit(page::kKeyEdit.For(zh), u"Ctrl + Shift + F5");
  page_.AddButton(page::kKeyOkButton.For(zh));
  page_.AddButton(page::kDelayChoice.For(zh));
  page_.AddEdit(page::kDelayEdit.For(zh), u"100");
  page_.AddButton(page::kDelayOkButton.For(zh));
}

}  // namespace zk40::gallery
