#include "skin/IrrButton_win32.h"

#include <map>

#include "framework/BufferedPaint.h"
#include "platform/WideText_win32.h"
#include "skin/PictureLoading_win32.h"
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

void CIrrButton::CutPictures(HBITMAP normal, HBITMAP down, HBITMAP over, HBITMAP disabled) {
  std::array<HBITMAP, 4> pages{};
  pages[static_cast<std::size_t>(ButtonLook::normal)] = normal;
  pages[static_cast<std::size_t>(ButtonLook::down)] = down;
  pages[static_cast<std::size_t>(ButtonLook::over)] = over;
  pages[static_cast<std::size_t>(ButtonLook::disabled)] = disabled;
  WindowDC screen(nullptr);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    cuts_[i].Reset();
    const SIZE size = BitmapSize(pages[i]);
    cut_places_[i] = skin::CutUnder(box_, layout::Size{size.cx, size.cy});
    CopyRectangle(screen.get(), cuts_[i], pages[i], cut_places_[i].source);
  }
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
  for (std::size_t i = 0; i < present.size(); ++i) present[i] = static_cast<bool>(cuts_[i]);
  const auto drawn = static_cast<std::size_t>(skin::PictureToDraw(look.picture, present));
  if (!cuts_[drawn]) return true;

  // The page picture under the box, clipped to the outline. The window region
  // clips it too where the platform applies it to drawing; Wine does not.
  const int saved = SaveDC(item.hDC);
  ExtSelectClipRgn(item.hDC, region_.get(), RGN_AND);
  DrawLook(item, drawn, look);
  RestoreDC(item.hDC, saved);
  return true;
}

void CIrrButton::DrawCut(HDC dc, std::size_t look) const {
  const skin::PictureCut& place = cut_places_[look];
  const RECT at{place.at.x, place.at.y, place.at.x + place.source.Width(), place.at.y + place.source.Height()};
  DrawBitmap(dc, at, cuts_[look].get(), POINT{0, 0});
}

void CIrrButton::DrawLook(const DRAWITEMSTRUCT& item, std::size_t picture, const skin::LookChoice& look) {
  const RECT& r = item.rcItem;
  const std::u16string caption = GetWindowText();
  // One copy needs no buffer; a caption over the picture does.
  if (caption.empty()) {
    DrawCut(item.hDC, picture);
    return;
  }
  BufferedDC dc(item.hDC, r);
  DrawCut(dc.get(), picture);
  // Placed in parent coordinates around the box's centre.
  const skin::Point at = skin::IrregularCaptionOrigin(centre_, caption.size());
  SelectInDC font(dc.get(), ButtonCaptionFont());
  const COLORREF colours[] = {colours_.normal, colours_.over, colours_.pressed, colours_.normal};
  SetTextColor(dc.get(), colours[static_cast<std::size_t>(look.text)]);
  SetBkMode(dc.get(), TRANSPARENT);
  TextOutW(dc.get(), at.x - box_.left, at.y - box_.top, Wide(caption), static_cast<int>(caption.size()));
}

Region QuadRegion(const layout::Quad& outline) {
  POINT corners[4];
  for (std::size_t i = 0; i < 4; ++i) corners[i] = POINT{outline.points[i].x, outline.points[i].y};
  return Region(CreatePolygonRgn(corners, 4, WINDING));
}

void CutIrregularPictures(std::span<CIrrButton* const> buttons, const layout::StatePictureIds& ids, HMODULE module) {
  // A page's looks often share a picture (the disabled look is the normal one).
  std::map<int, Bitmap> loaded;
  auto picture = [&](int id) {
    auto [it, added] = loaded.try_emplace(id);
    if (added) it->second = LoadBitmapResource(static_cast<UINT>(id), module);
    return it->second.get();
  };
  const HBITMAP normal = picture(ids.normal), down = picture(ids.down), over = picture(ids.over),
                disabled = picture(ids.disabled);
  for (CIrrButton* button : buttons) button->CutPictures(normal, down, over, disabled);
}

}  // namespace zk40
