#pragma once
// The lighting page: effect, colour, brightness or breathing speed and
// proximity sensing of the current profile record. The page shows what
// LightingPage decides and forwards every click, slider move and colour
// wheel pick to it; the main window refreshes it from the current record.

#include <array>

#include "framework/OwnedControls.h"
#include "pages/LightingPage.h"
#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/BitmapEdit_win32.h"
#include "skin/ColorBtn_win32.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/PngHSliderBar_win32.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgLEDSet final : public CSkinPage {
 public:
  CDlgLEDSet(CWnd* parent, const PageContext& context);

  // Shows the current record again (tab 2, tray, profile switch, defaults).
  void Refresh();
  // The tooltips of the effect, proximity and colour buttons.
  void SetCaptions() override;

 protected:
  bool OnInitDialog() override;
  void OnFirstShow() override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnLButtonUp(UINT flags, POINT point) override;
  bool OnLButtonDblClk(UINT flags, POINT point) override;
  bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;

 private:
  void CreateControls();
  void ShowView();
  void PostHints(POINT point) const;
  // The cross cursor over the wheel while it picks colours; false elsewhere.
  bool ShowWheelCursor(POINT point) const;
  bool OnWheel(POINT point) const;
  bool Chinese() const { return Context().store.install_is_chinese == 1; }

  LightingPage model_;
  OwnedControls owned_;
  std::array<CGDIBitmapBtn*, 5> effects_{};  // in the layout's order: effect 4, 3, 5, 2, 1
  CPngHSliderBar* breathing_speed_ = nullptr;
  CPngHSliderBar* brightness_ = nullptr;
  CGDIBitmapBtn* proximity_on_ = nullptr;
  CGDIBitmapBtn* proximity_off_ = nullptr;
  CColorBtn* preview_ = nullptr;
  std::array<CGDIBitmapBtn*, kPresetColourCount> swatches_{};
  std::array<CPngHSliderBar*, 3> colour_sliders_{};
  std::array<CBitmapEdit*, 3> fields_{};
};

}  // namespace zk40
