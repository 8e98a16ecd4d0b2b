#pragma once
// The button page: the seven buttons' functions, DPI stages, report rate and
// the Windows pointer settings. Every control writes the current record at
// once (through ButtonPage); the main window refreshes the page from the
// record and lets it commit its wheel-lines field before an upload. Creating
// the page also loads the game menu library for the whole program.

#include <array>
#include <functional>

#include "framework/OwnedControls.h"
#include "pages/ButtonPage.h"
#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/BitmapEdit_win32.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/IrrButton_win32.h"
#include "skin/PagePictures_win32.h"
#include "skin/PngHSliderBar_win32.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgMainSet final : public CSkinPage {
 public:
  CDlgMainSet(CWnd* parent, const PageContext& context);

  // Shows the current record again (start-up, tab 1, profile switch, defaults).
  void Refresh();
  // Checks the wheel-lines field and writes its number into the record.
  void CommitWheelLines();
  // Tooltips from the language texts, and the entries' pictures of the
  // interface language.
  void SetCaptions() override;

  // Opens the function chooser for button (0..6) and applies its answer.
  void ChooseFunction(int button);

 protected:
  bool OnInitDialog() override;
  bool OnTimer(UINT_PTR id) override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // Creation, and the controls that move with the interface language.
  void CreateControls(const PagePictures& pictures);
  // The wheel's controls lie where the page's pictures show them, and those
  // are the install's: a Chinese install's skin has its own places.
  bool SkinIsChinese() const;
  void LoadGameMenuLibrary();

  // Control actions.
  void OnDpiBox(int box);
  void OnPrecision();
  void OnReportRate(int rateButton);
  void OnLinesMode();
  void OnScreenMode();
  void OnLinesStep(int delta);

  void ShowView();
  void ShowDpiBoxes();
  void ShowReportRate();
  void ShowWheelMode();
  void ShowLinesNumber(const std::u16string& text);
  void LightMarkers();
  void PostHints(POINT point) const;
  HWND HintControl(const ControlHint& hint) const;

  ButtonPage model_;
  OwnedControls controls_;
  std::array<CGDIBitmapBtn*, kDpiBoxCount> dpi_boxes_{};
  CPngHSliderBar* pointer_speed_ = nullptr;
  CGDIBitmapBtn* precision_ = nullptr;
  CPngHSliderBar* lift_off_ = nullptr;
  std::array<CGDIBitmapBtn*, kReportRateButtons> report_rates_{};
  CGDIBitmapBtn* lines_button_ = nullptr;
  CBitmapEdit* lines_field_ = nullptr;
  CGDIBitmapBtn* lines_up_ = nullptr;
  CGDIBitmapBtn* lines_down_ = nullptr;
  CGDIBitmapBtn* screen_button_ = nullptr;
  std::array<CGDIBitmapBtn*, 6> area_captions_{};
  std::array<CGDIBitmapBtn*, kButtonCount> markers_{};
  std::array<CIrrButton*, kButtonCount> entries_{};
  // Whose names the entries' cuts show: they are cut again only when the
  // interface language changes between Chinese and the others.
  bool entries_chinese_ = false;
};

}  // namespace zk40
