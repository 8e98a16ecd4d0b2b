#include "pages/DlgLEDSet_win32.h"

#include "pages/LightingHints.h"
#include "pages/PageControls_win32.h"
#include "platform/Utf16Text.h"
#include "platform/WindowMessages.h"
#include "skin/PagePictures_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/LightingPageLayout.h"

namespace zk40 {
namespace {

namespace lp = layout::lighting_page;

void ShowSlider(CPngHSliderBar* bar, const SliderView& view) {
  if (!bar) return;
  bar->Enable(view.enabled);
  if (bar->Position() != view.position) bar->SetPosition(view.position);
}

void ShowLatched(CGDIBitmapBtn* button, bool latched) {
  if (button) button->SetLatched(latched);
}

}  // namespace

CDlgLEDSet::CDlgLEDSet(CWnd* parent, const PageContext& context)
    : CSkinPage(IDD_PAGE_LIGHTING, parent, context, layout::kLightingPageSkin),
      model_(context.store.current_record) {}

bool CDlgLEDSet::OnInitDialog() {
  model_.Refresh();
  return false;
}

void CDlgLEDSet::OnFirstShow() {
  CreateControls();
  SetCaptions();
  ShowView();
}

void CDlgLEDSet::CreateControls() {
  const bool zh = Chinese();
  const std::u16string& install = Context().store.install_folder;
  PageControls make(*this, LoadStatePictures(true), owned_);
  const std::u16string thumb = skin::SkinPath(install, layout::kSliderThumb.name);

  for (std::size_t i = 0; i < effects_.size(); ++i) {
    const int effect = lp::kEffectButtons[i].effect;
    effects_[i] = &make.LatchingButton(lp::kEffectButtons[i].rect.For(zh), [this, effect] {
      model_.OnEffectButton(effect);
      ShowView();
    });
    if (effect == kEffectBreathing) {
      breathing_speed_ = &make.Slider(lp::kBreathingSpeedSlider.For(zh), thumb, kBreathingSpeedSliderId, 1,
                                      kBreathingSpeedLevels, 0);
    } else if (effect == kEffectAlwaysOn) {
      brightness_ = &make.Slider(lp::kBrightnessSlider.For(zh), thumb, kBrightnessSliderId, 1, kBrightnessLevels, 0);
    }
  }
  proximity_on_ = &make.LatchingButton(lp::kProximityOn.For(zh), [this] {
    model_.OnProximityButton(true);
    ShowView();
  });
  proximity_off_ = &make.LatchingButton(lp::kProximityOff.For(zh), [this] {
    model_.OnProximityButton(false);
    ShowView();
  });
  preview_ = &make.ColourSwatch(lp::kColorPreview.For(zh));
  for (int k = 0; k < kPresetColourCount; ++k) {
    swatches_[static_cast<std::size_t>(k)] = &make.LatchingButton(lp::PresetSwatch(k, zh), [this, k] {
      model_.OnPresetSwatch(k);
      ShowView();
    });
  }
  for (std::size_t c = 0; c < colour_sliders_.size(); ++c) {
    colour_sliders_[c] = &make.Slider(lp::kColorSliders[c].For(zh), thumb, lp::kColorSliderIds[c], 0, 255,
                                      lp::kColorSliderTrackRightInset);
    fields_[c] = &make.NumberField(lp::kColorFields[c], lp::kColorFieldIds[c]);
  }
  ReleaseStatePictures();
}

void CDlgLEDSet::SetCaptions() {
  if (!preview_) return;
  const StringTable& strings = Context().strings;
  constexpr const char* kEffectKeys[] = {"str_ledspe", "str_led_apmbre", "str_led_off", "str_led_norbre",
                                         "str_led_brealways"};
  for (std::size_t i = 0; i < effects_.size(); ++i) effects_[i]->SetTooltipText(strings.Get(kEffectKeys[i]), true);
  proximity_on_->SetTooltipText(strings.Get("str_led_body_on"), true);
  proximity_off_->SetTooltipText(strings.Get("str_led_body_off"), true);
  preview_->SetTooltipText(strings.Get("str_choose_color"), true);
}

void CDlgLEDSet::Refresh() {
  model_.Refresh();
  ShowView();
}

void CDlgLEDSet::ShowView() {
  if (!preview_) return;
  const LightingView& view = model_.View();
  for (std::size_t i = 0; i < effects_.size(); ++i) {
    ShowLatched(effects_[i], view.effect_on[static_cast<std::size_t>(lp::kEffectButtons[i].effect - 1)]);
  }
  ShowSlider(breathing_speed_, view.breathing_speed);
  ShowSlider(brightness_, view.brightness);
  ShowLatched(proximity_on_, view.proximity_on);
  ShowLatched(proximity_off_, !view.proximity_on);
  preview_->SetColour(view.preview);
  for (std::size_t k = 0; k < swatches_.size(); ++k) {
    ShowLatched(swatches_[k], view.swatches[k].selected);
    swatches_[k]->EnableWindow(view.swatches[k].enabled);
  }
  for (std::size_t c = 0; c < colour_sliders_.size(); ++c) {
    ShowSlider(colour_sliders_[c], view.colour_sliders[c]);
    const std::u16string number = DecimalText(static_cast<std::uint32_t>(view.number_fields[c]));
    if (fields_[c]->GetWindowText() != number) fields_[c]->SetWindowText(number);
  }
}

bool CDlgLEDSet::OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg != msg::kSliderMoved) return false;
  model_.OnSliderMoved(static_cast<int>(wp), static_cast<int>(lp));
  ShowView();
  result = 0;
  return true;
}

void CDlgLEDSet::PostHints(POINT point) const {
  const auto areas = LightingHintAreas(Chinese());
  for (const int hint : HintsAt(areas, PagePoint{point.x, point.y})) {
    ::PostMessageW(GetParent(), msg::kShowHint, 0, hint);
  }
}

bool CDlgLEDSet::OnWheel(POINT point) const {
  const layout::Rect& wheel = lp::kColorWheel;
  return InsideEllipse(wheel.left, wheel.top, wheel.right, wheel.bottom, point.x, point.y);
}

bool CDlgLEDSet::ShowWheelCursor(POINT point) const {
  if (!model_.ColourWheelEnabled() || !OnWheel(point)) return false;
  ::SetCursor(::LoadCursorW(nullptr, IDC_CROSS));
  return true;
}

bool CDlgLEDSet::OnMouseMove(UINT, POINT point) {
  PostHints(point);
  (void)ShowWheelCursor(point);
  return true;
}

bool CDlgLEDSet::OnSetCursor(HWND window, UINT hitTest, UINT) {
  if (window != m_hWnd || hitTest != HTCLIENT) return false;
  POINT point{};
  ::GetCursorPos(&point);
  ::ScreenToClient(m_hWnd, &point);
  return ShowWheelCursor(point);
}

bool CDlgLEDSet::OnLButtonDown(UINT, POINT point) {
  if (!model_.ColourWheelEnabled() || !OnWheel(point)) return false;
  // The colour drawn under the click, whatever the skin painted there.
  HDC dc = ::GetDC(m_hWnd);
  const COLORREF colour = dc ? ::GetPixel(dc, point.x, point.y) : CLR_INVALID;
  if (dc) ::ReleaseDC(m_hWnd, dc);
  if (model_.OnColourWheelClick(colour)) ShowView();
  return true;
}

bool CDlgLEDSet::OnLButtonUp(UINT, POINT point) { return ShowWheelCursor(point); }

bool CDlgLEDSet::OnLButtonDblClk(UINT, POINT point) { return ShowWheelCursor(point); }

}  // namespace zk40
