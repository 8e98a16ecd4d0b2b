#pragma once
// The main window's own controls: the three title buttons cut from the
// window's skin, the eleven irregular buttons (five tabs, five profile
// buttons, Apply) drawn from the resource pictures of the layout chosen at
// creation, and the flag control 1010 of the interface language.

#include <array>
#include <functional>
#include <optional>

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "i18n/StringTable.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/IrrButton_win32.h"

namespace zk40 {

struct MainWindowActions {
  std::function<void()> minimize, hide, language;
  std::function<void(int)> tab, profile;  // 1..5
  std::function<void()> apply;
};

class MainWindowButtons {
 public:
  // Creates every control on window; chinese picks the irregular buttons' pictures.
  void Create(CWnd& window, HBITMAP normal, HBITMAP over, HBITMAP down, bool chinese,
              const MainWindowActions& actions);

  // The captions of the eleven irregular buttons from the language texts.
  void SetCaptions(const StringTable& strings);
  void ShowTabSelected(int tab);
  void ShowProfileSelected(int profile, bool selected);
  void EnableProfilesAndApply(bool enable);
  void ShowApplyNotPressed() { apply_.SetLatched(false); }
  // Shows the flag bitmap of language 1..12 in control 1010.
  void ShowFlag(int language);

  // The hint number (1..11) of the irregular button under point (client
  // coordinates), each button's box grown by one pixel.
  std::optional<int> HintAt(POINT point) const;

  HWND LanguageButton() const { return language_.GetSafeHwnd(); }
  HWND ApplyButton() const { return apply_.GetSafeHwnd(); }
  HWND TabButton(int tab) const { return tabs_[static_cast<std::size_t>(tab - 1)].GetSafeHwnd(); }

 private:
  CGDIBitmapBtn minimize_, hide_, language_;
  std::array<CIrrButton, 5> tabs_;
  std::array<CIrrButton, 5> profiles_;
  CIrrButton apply_;
  CStatic flag_;
  Bitmap flag_picture_;
};

}  // namespace zk40
