#include "skin/GDIBitmapBtn_win32.h"

#include "framework/BufferedPaint.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "skin/PictureLoading_win32.h"

namespace zk40 {

using skin::ButtonLook;

void CGDIBitmapBtn::SetStatePictures(const RECT& rect, HBITMAP normal, HBITMAP over, HBITMAP down, HBITMAP disabled) {
  const skin::Rect cut{rect.left, rect.top, rect.right, rect.bottom};
  WindowDC screen(nullptr);
  CopyRectangle(screen.get(), pictures_[static_cast<std::size_t>(ButtonLook::normal)], normal, cut);
  CopyRectangle(screen.get(), pictures_[static_cast<std::size_t>(ButtonLook::over)], over, cut);
  CopyRectangle(screen.get(), pictures_[static_cast<std::size_t>(ButtonLook::down)], down, cut);
  CopyRectangle(screen.get(), pictures_[static_cast<std::size_t>(ButtonLook::disabled)], disabled, cut);
  if (m_hWnd) {
    const LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER | WS_TABSTOP));
    Invalidate();
  }
}

void CGDIBitmapBtn::SetPictures(Bitmap normal, Bitmap over, Bitmap down, Bitmap disabled) {
  pictures_[static_cast<std::size_t>(ButtonLook::normal)] = std::move(normal);
  pictures_[static_cast<std::size_t>(ButtonLook::over)] = std::move(over);
  pictures_[static_cast<std::size_t>(ButtonLook::down)] = std::move(down);
  pictures_[static_cast<std::size_t>(ButtonLook::disabled)] = std::move(disabled);
  if (m_hWnd) Invalidate();
}

void CGDIBitmapBtn::SetCaption(const std::u16string& caption) {
  caption_ = caption;
  if (m_hWnd) Invalidate();
}

void CGDIBitmapBtn::SetLatched(bool latched) {
  if (latched_ == latched) return;
  latched_ = latched;
  if (m_hWnd) Invalidate();
}

void CGDIBitmapBtn::SetToggleMode(bool show_latched, bool toggle_on_click) {
  show_latched_ = show_latched;
  toggle_on_click_ = toggle_on_click;
  if (m_hWnd) Invalidate();
}

bool CGDIBitmapBtn::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
  skin::ButtonState state;
  state.show_latched = show_latched_;
  state.latched = latched_;
  state.selected = (item.itemState & ODS_SELECTED) != 0;
  state.hovering = Hovering();
  state.disabled = (item.itemState & ODS_DISABLED) != 0;
  const skin::LookChoice look = skin::ChooseBitmapButtonLook(state);
  const std::array<bool, 4> present{static_cast<bool>(pictures_[0]), static_cast<bool>(pictures_[1]),
                                    static_cast<bool>(pictures_[2]), static_cast<bool>(pictures_[3])};
  const Bitmap& picture = pictures_[static_cast<std::size_t>(skin::PictureToDraw(look.picture, present))];
  // Without a picture the button draws nothing.
  if (!picture) return true;

  const RECT& r = item.rcItem;
  // One copy needs no buffer; a caption over the picture does.
  if (caption_.empty()) {
    DrawBitmap(item.hDC, r, picture.get(), POINT{0, 0});
    return true;
  }
  BufferedDC dc(item.hDC, r);
  DrawBitmap(dc.get(), r, picture.get(), POINT{0, 0});
  SelectInDC selectFont(dc.get(), ButtonCaptionFont());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  const COLORREF colours[] = {colours_.normal, colours_.over, colours_.pressed, kDisabledText};
  SetTextColor(dc.get(), colours[static_cast<std::size_t>(look.text)]);
  SetBkMode(dc.get(), TRANSPARENT);
  const skin::Rect client{r.left, r.top, r.right, r.bottom};
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), Wide(caption_), static_cast<int>(caption_.size()), &extent);
  if (skin::CaptionTakesTwoLines(extent.cx, client, metrics.tmHeight)) {
    const skin::Rect text = skin::TwoLineCaptionRect(client, metrics.tmHeight);
    RECT box{text.left, text.top, text.right, text.bottom};
    RECT measured = box;
    constexpr UINT kWrapped = DT_WORDBREAK | DT_CENTER | DT_WORD_ELLIPSIS | DT_END_ELLIPSIS | DT_NOPREFIX;
    DrawTextW(dc.get(), Wide(caption_), -1, &measured, kWrapped | DT_CALCRECT);
    // A caption that wraps onto one line only is centred as one.
    if (measured.bottom - measured.top < box.bottom - box.top) {
      box.top += metrics.tmHeight / 2;
      box.bottom = box.top + metrics.tmHeight;
    }
    DrawTextW(dc.get(), Wide(caption_), -1, &box, kWrapped);
    return true;
  }
  const skin::Rect text = skin::BitmapButtonCaptionRect(client, metrics.tmHeight);
  RECT box{text.left, text.top, text.right, text.bottom};
  DrawTextW(dc.get(), Wide(caption_), -1, &box, DT_SINGLELINE | DT_CENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  return true;
}

void CGDIBitmapBtn::NotifyPress(WPARAM what) const {
  if (!notify_press) return;
  if (HWND parent = GetParent()) ::PostMessageW(parent, msg::kButtonPressNotify, what, reinterpret_cast<LPARAM>(m_hWnd));
}

bool CGDIBitmapBtn::OnLButtonDown(UINT, POINT) {
  HWND owner = OwnerOrParent(m_hWnd);
  if (owner && ::GetActiveWindow() != GetAncestor(owner, GA_ROOT)) ::SetActiveWindow(GetAncestor(owner, GA_ROOT));
  if (toggle_on_click_) {
    latched_ = !latched_;
    Invalidate();
  }
  NotifyPress(WM_LBUTTONDOWN);
  return false;  // the platform presses the button
}

bool CGDIBitmapBtn::OnLButtonUp(UINT, POINT) {
  NotifyPress(WM_LBUTTONUP);
  return false;  // the platform releases it and reports the click
}

}  // namespace zk40
