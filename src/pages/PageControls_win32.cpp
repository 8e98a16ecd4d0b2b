#include "pages/PageControls_win32.h"

#include "skin/SkinnedDialog_win32.h"

namespace zk40 {

CGDIBitmapBtn& PageControls::Button(const layout::Rect& rect, std::function<void()> on_click) {
  auto& button = owned_.Make<CGDIBitmapBtn>();
  CButton::CreateArgs args;
  args.rect = ToRect(rect);
  args.parent = &page_;
  args.on_click = std::move(on_click);
  (void)button.Create(args);
  button.SetStatePictures(args.rect, pictures_.normal.get(), pictures_.over.get(), pictures_.down.get(),
                          pictures_.normal.get());
  return button;
}

CGDIBitmapBtn& PageControls::LatchingButton(const layout::Rect& rect, std::function<void()> on_click) {
  CGDIBitmapBtn& button = Button(rect, std::move(on_click));
  button.SetToggleMode(true, false);
  return button;
}

CPngHSliderBar& PageControls::Slider(const layout::Rect& rect, const std::u16string& thumbPath, int id, int minimum,
                                     int maximum, int trackRightInset) {
  auto& bar = owned_.Make<CPngHSliderBar>();
  CPngHSliderBar::InitArgs args;
  args.thumb_path = thumbPath;
  args.rect = ToRect(rect);
  args.page = &page_;
  args.id = static_cast<UINT>(id);
  (void)bar.Init(args);
  bar.SetTrack(RECT{rect.left, rect.top, rect.right - trackRightInset, rect.bottom});
  bar.SetRange(minimum, maximum);
  bar.SetBackground(rect, pictures_.normal_image);
  return bar;
}

CBitmapEdit& PageControls::NumberField(const layout::Rect& rect, int id) {
  auto& edit = owned_.Make<CBitmapEdit>();
  ControlCreateArgs args;
  args.style = WS_VISIBLE | WS_DISABLED | ES_NUMBER | ES_RIGHT;
  args.rect = ToRect(rect);
  args.parent = &page_;
  args.id = static_cast<UINT>(id);
  (void)edit.Create(args);
  edit.SetBackground(rect, pictures_.normal_image);
  return edit;
}

CColorBtn& PageControls::ColourSwatch(const layout::Rect& rect) {
  auto& swatch = owned_.Make<CColorBtn>();
  CButton::CreateArgs args;
  args.rect = ToRect(rect);
  args.parent = &page_;
  (void)swatch.Create(args);
  return swatch;
}

}  // namespace zk40
