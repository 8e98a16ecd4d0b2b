#include "skin/IrrButton_win32.h"

#include "framework/BufferedPaint.h"
#include "platform/WideText_win32.h"
#include "skin/SkinButton_win32.h"

namespace zk40 {

using skin::ButtonLook;

namespace {

HRGN CopyOf(HRGN region) {
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  if (copy && CombineRgn(copy, region, nullptr, RGN_COPY) == ERROR) {
    DeleteObject(copy);
    return nullptr;
  }
  return copy;
}

}  // namespace

bool CIrrButton::Create(const CreateArgs& args) {
  if (!args.region) return false;
  region_.Reset(CopyOf(args.region));
  RECT bounds{};
  if (!region_ || GetRgnBox(region_.get(), &bounds) == ERROR) return false;
  OffsetRgn(region_.get(), -bounds.left, -bounds.top);
  box_ = {bounds.left, bounds.top, bounds.right, bounds.bottom};
  centre_ = skin::CentreOf(box_);

  CButton::CreateArgs button;
  button.text = args.caption;
  button.style = args.style | BS_OWNERDRAW;
  button.rect = bounds;
  button.parent = args.parent;
  button.id = args.id;
  button.on_click = args.on_click;
  if (!CButton::Create(button)) return false;
  // The window keeps its own copy; ours answers the hit tests.
  SetWindowRgn(m_hWnd, CopyOf(region_.get()), TRUE);
  return true;
}

void CIrrButton::OnSubclassed() {
  SetWindowLongPtrW(m_hWnd, GWL_STYLE, GetWindowLongPtrW(m_hWnd, GWL_STYLE) | BS_OWNERDRAW);
}

void CIrrButton::SetPictures(UINT normal, UINT down, UINT over, UINT disabled, HMODULE module) {
  SetPictures(SharedPictures::Resource(normal, module), SharedPictures::Resource(down, module),
              SharedPictures::Resource(over, module), SharedPictures::Resource(disabled, module));
}

void CIrrButton::SetPictures(const layout::StatePictureIds& ids, HMODULE module) {
  SetPictures(static_cast<UINT>(ids.normal), static_cast<UINT>(ids.down), static_cast<UINT>(ids.over),
              static_cast<UINT>(ids.disabled), module);
}

void CIrrButton::SetPictures(SharedBitmap normal, SharedBitmap down, SharedBitmap over, SharedBitmap disabled) {
  pictures_[static_cast<std::size_t>(ButtonLook::normal)] = std::move(normal);
  pictures_[static_cast<std::size_t>(ButtonLook::down)] = std::move(down);
  pictures_[static_cast<std::size_t>(ButtonLook::over)] = std::move(over);
  pictures_[static_cast<std::size_t>(ButtonLook::disabled)] = std::move(disabled);
  if (m_hWnd) Invalidate();
}

void CIrrButton::SetLatched(bool latched) {
  const bool changed = latched_ != latched || hovering_;
  latched_ = latched;
  hovering_ = false;
  if (m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
  if (changed && m_hWnd) Invalidate();
}

void CIrrButton::SetToggleMode(bool show_latched) {
  show_latched_ = show_latched;
  if (m_hWnd) Invalidate();
}

bool CIrrButton::HitTest(POINT client) const {
  return client.x >= 0 && client.y >= 0 && client.x < box_.Width() && client.y < box_.Height() && region_ &&
         PtInRegion(region_.get(), client.x, client.y);
}

bool CIrrButton::PreTranslateMessage(MSG& msg) {
  if (msg.hwnd != m_hWnd) return false;
  tooltip_.Relay(m_hWnd, msg);
  // A double click counts as a second press.
  if (msg.message == WM_LBUTTONDBLCLK) msg.message = WM_LBUTTONDOWN;
  return false;
}

void CIrrButton::Redraw() const { ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

void CIrrButton::SetPushed(bool pushed) {
  if (pushed_ == pushed) return;
  pushed_ = pushed;
  SendMessage(BM_SETSTATE, pushed);
}

void CIrrButton::TrackHover(POINT point) {
  if (HitTest(point)) {
    if (::GetCapture() != m_hWnd) ::SetCapture(m_hWnd);
    if (!hovering_) {
      hovering_ = true;
      Redraw();
    }
    return;
  }
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  // Without the capture the release would go elsewhere: no push outlives it.
  SetPushed(false);
  if (hovering_) {
    hovering_ = false;
    Redraw();
  }
}

bool CIrrButton::OnLButtonDown(UINT, POINT) {
  ::PostMessageW(OwnerOrParent(m_hWnd), WM_COMMAND, 0, reinterpret_cast<LPARAM>(m_hWnd));
  ::SetCapture(m_hWnd);
  // The pushed look while the button is held; the platform's own press
  // handling is left out, since it would report a second click on release.
  SetPushed(true);
  return true;
}

bool CIrrButton::OnLButtonUp(UINT, POINT point) {
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  SetPushed(false);
  TrackHover(point);
  return true;
}

bool CIrrButton::OnMouseMove(UINT flags, POINT point) {
  TrackHover(point);
  // Like every skinned button: the parent posts the hint for it.
  PassMouseMoveToParent(m_hWnd, flags, point);
  return true;
}

bool CIrrButton::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
  skin::ButtonState state;
  state.show_latched = show_latched_;
  state.latched = latched_;
  state.selected = (item.itemState & ODS_SELECTED) != 0;
  state.hovering = hovering_;
  state.disabled = (item.itemState & ODS_DISABLED) != 0;
  const skin::LookChoice look = skin::ChooseIrregularButtonLook(state);
  std::array<bool, 4> present{};
  for (std::size_t i = 0; i < present.size(); ++i) present[i] = pictures_[i] && *pictures_[i];
  const SharedBitmap& picture = pictures_[static_cast<std::size_t>(skin::PictureToDraw(look.picture, present))];
  if (!picture || !*picture) return true;

  // The page picture under the box, clipped to the outline. The window region
  // clips it too where the platform applies it to drawing; Wine does not.
  const int saved = SaveDC(item.hDC);
  ExtSelectClipRgn(item.hDC, region_.get(), RGN_AND);
  DrawLook(item, *picture, look);
  RestoreDC(item.hDC, saved);
  return true;
}

void CIrrButton::DrawLook(const DRAWITEMSTRUCT& item, const Bitmap& picture, const skin::LookChoice& look) {
  const RECT& r = item.rcItem;
  const POINT under{box_.left, box_.top};
  const std::u16string caption = GetWindowText();
  // One copy needs no buffer; a caption over the picture does.
  if (caption.empty()) {
    DrawBitmap(item.hDC, r, picture.get(), under);
    return;
  }
  BufferedDC dc(item.hDC, r);
  DrawBitmap(dc.get(), r, picture.get(), under);
  // Placed in parent coordinates around the box's centre.
  const skin::Point at = skin::IrregularCaptionOrigin(centre_, caption.size());
  SelectInDC font(dc.get(), ButtonCaptionFont());
  const COLORREF colours[] = {colours_.normal, colours_.over, colours_.pressed, colours_.normal};
  SetTextColor(dc.get(), colours[static_cast<std::size_t>(look.text)]);
  SetBkMode(dc.get(), TRANSPARENT);
  TextOutW(dc.get(), at.x - box_.left, at.y - box_.top, Wide(caption), static_cast<int>(caption.size()));
}

}  // namespace zk40
