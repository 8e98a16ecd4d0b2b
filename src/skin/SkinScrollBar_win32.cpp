#include "skin/SkinScrollBar_win32.h"

#include "framework/BufferedPaint.h"
#include "skin/PictureLoading_win32.h"

namespace zk40 {
namespace {

using skin::ScrollPart;

constexpr UINT_PTR kRepeatTimer = 1;
// A held press steps once at once, again after this delay, then at the repeat rate.
constexpr UINT kFirstRepeatDelay = 500;
constexpr UINT kRepeatInterval = 100;
constexpr int kSkinColumns = 9;

bool IsArrow(ScrollPart part) { return part == ScrollPart::first_arrow || part == ScrollPart::second_arrow; }

}  // namespace

bool CSkinScrollBar::Create(const CreateArgs& args) {
  vertical_ = args.vertical;
  WindowCreateArgs window;
  window.class_name = L"SCROLLBAR";
  window.title = args.text;
  window.style = WS_CHILD | args.style | static_cast<DWORD>(args.vertical ? SBS_VERT : SBS_HORZ);
  window.ex_style = args.ex_style;
  window.rect = args.rect;
  window.parent = args.parent ? args.parent->GetSafeHwnd() : nullptr;
  window.id = args.id;
  return CWnd::Create(window);
}

void CSkinScrollBar::SetSkin(HBITMAP skin) {
  skin_ = skin;
  cell_ = BitmapSize(skin).cx / kSkinColumns;
  if (!m_hWnd) return;
  RECT r = GetWindowRect();
  MapWindowPoints(nullptr, GetParent(), reinterpret_cast<POINT*>(&r), 2);
  const int length = vertical_ ? r.bottom - r.top : r.right - r.left;
  SetWindowPos(m_hWnd, nullptr, 0, 0, vertical_ ? cell_ : length, vertical_ ? length : cell_,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Invalidate();
}

void CSkinScrollBar::SetValues(const skin::ScrollValues& values, bool redraw) {
  values_ = values;
  if (redraw && m_hWnd) Redraw();
}

skin::ScrollBarLayout CSkinScrollBar::Layout() const {
  const RECT client = GetClientRect();
  const int length = vertical_ ? client.bottom : client.right;
  return skin::LayOutScrollBar(length, cell_, values_, dragging_ ? drag_position_ : values_.position);
}

ScrollPart CSkinScrollBar::PartAt(POINT point) const {
  return Layout().HitTest(Along(point), vertical_ ? point.x : point.y);
}

void CSkinScrollBar::Notify(int code, int position) const {
  const bool with_position = code == skin::kThumbReleasedCode || code == skin::ScrollCode(ScrollPart::thumb);
  const WPARAM wp = MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(with_position ? position : 0));
  ::SendMessageW(GetParent(), vertical_ ? WM_VSCROLL : WM_HSCROLL, wp, reinterpret_cast<LPARAM>(m_hWnd));
}

bool CSkinScrollBar::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case SBM_SETSCROLLINFO: {
      const auto* info = reinterpret_cast<const SCROLLINFO*>(lp);
      if (!info) return true;
      skin::ScrollValues values = values_;
      if (info->fMask & SIF_RANGE) {
        values.minimum = info->nMin;
        values.maximum = info->nMax;
      }
      if (info->fMask & SIF_PAGE) values.page = static_cast<int>(info->nPage);
      if (info->fMask & SIF_POS) values.position = info->nPos;
      SetValues(values, wp != 0);
      result = values_.position;
      return true;
    }
    case SBM_GETSCROLLINFO: {
      auto* info = reinterpret_cast<SCROLLINFO*>(lp);
      if (!info) return true;
      if (info->fMask & SIF_RANGE) {
        info->nMin = values_.minimum;
        info->nMax = values_.maximum;
      }
      if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(values_.page);
      if (info->fMask & SIF_POS) info->nPos = values_.position;
      if (info->fMask & SIF_TRACKPOS) info->nTrackPos = DragPosition();
      result = TRUE;
      return true;
    }
    case SBM_SETPOS: {
      result = values_.position;
      skin::ScrollValues values = values_;
      values.position = static_cast<int>(wp);
      SetValues(values, lp != 0);
      return true;
    }
    case SBM_GETPOS:
      result = values_.position;
      return true;
    // The platform's own drawing and focus handling of the bar stay out.
    case WM_ENABLE:
      Invalidate();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      return true;
    default:
      return CWnd::OnMessage(msg, wp, lp, result);
  }
}

bool CSkinScrollBar::OnSize(UINT, int, int) {
  Invalidate();
  return true;
}

skin::ScrollLook CSkinScrollBar::LookOf(ScrollPart part) const {
  if (part == ScrollPart::thumb) {
    if (dragging_) return skin::ScrollLook::pressed;
    return hovered_ == part && pressed_ == ScrollPart::none ? skin::ScrollLook::hover : skin::ScrollLook::normal;
  }
  if (!IsArrow(part)) return skin::ScrollLook::normal;
  if (pressed_ == part) return cursor_left_ ? skin::ScrollLook::normal : skin::ScrollLook::pressed;
  if (hovered_ == part && pressed_ == ScrollPart::none && !dragging_) return skin::ScrollLook::hover;
  return skin::ScrollLook::normal;
}

void CSkinScrollBar::DrawPart(HDC dc, HDC skin_dc, const skin::ScrollBarLayout& layout, ScrollPart part) const {
  const skin::Span span = layout.PartSpan(part);
  if (span.Length() <= 0) return;
  std::vector<skin::AxisPiece> pieces;
  if (part == ScrollPart::thumb) {
    pieces = skin::ThumbPieces(span, cell_);
  } else if (IsArrow(part)) {
    pieces.push_back(skin::ArrowPiece(span, cell_));
  } else {
    pieces = skin::TrackPieces(span, cell_);
  }
  const skin::Rect cell = skin::SkinCell(part, vertical_, LookOf(part), cell_);
  for (const skin::AxisPiece& piece : pieces) {
    const int along = piece.dest.begin, length = piece.dest.Length();
    const int source_along = piece.source.begin, source_length = piece.source.Length();
    if (vertical_) {
      StretchBlt(dc, 0, along, cell_, length, skin_dc, cell.left, cell.top + source_along, cell_, source_length,
                 SRCCOPY);
    } else {
      StretchBlt(dc, along, 0, length, cell_, skin_dc, cell.left + source_along, cell.top, source_length, cell_,
                 SRCCOPY);
    }
  }
}

void CSkinScrollBar::Draw(HDC dc) const {
  const RECT client = GetClientRect();
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (!skin_ || cell_ <= 0) return;
  MemoryDC skin_dc(dc);
  if (!skin_dc.get()) return;
  SelectInDC select(skin_dc.get(), skin_);
  const skin::ScrollBarLayout layout = Layout();
  for (ScrollPart part : {ScrollPart::first_arrow, ScrollPart::track_before, ScrollPart::thumb,
                          ScrollPart::track_after, ScrollPart::second_arrow}) {
    DrawPart(dc, skin_dc.get(), layout, part);
  }
}

bool CSkinScrollBar::OnPaint() {
  BufferedPaint paint(m_hWnd);
  Draw(paint.get());
  return true;
}

void CSkinScrollBar::Redraw() const {
  WindowDC dc(m_hWnd);
  if (!dc.get()) return;
  BufferedDC buffer(dc.get(), GetClientRect());
  Draw(buffer.get());
}

bool CSkinScrollBar::OnLButtonDown(UINT, POINT point) {
  SetCapture(m_hWnd);
  capturing_ = true;
  const ScrollPart part = PartAt(point);
  if (part == ScrollPart::thumb) {
    dragging_ = true;
    press_along_ = Along(point);
    press_position_ = values_.position;
    drag_position_ = values_.position;
    Redraw();
  } else if (part != ScrollPart::none) {
    pressed_ = part;
    repeating_ = false;
    cursor_left_ = false;
    Redraw();
    SetTimer(kRepeatTimer, kFirstRepeatDelay);
    Notify(skin::ScrollCode(part));
  }
  return true;
}

bool CSkinScrollBar::OnTimer(UINT_PTR id) {
  if (id != kRepeatTimer) return false;
  if (pressed_ == ScrollPart::none) {
    KillTimer(kRepeatTimer);
    return true;
  }
  if (!repeating_) {
    repeating_ = true;
    SetTimer(kRepeatTimer, kRepeatInterval);
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(m_hWnd, &cursor);
  switch (skin::RepeatTick(pressed_, cursor_left_, PartAt(cursor), values_)) {
    case skin::RepeatAction::stop:
      KillTimer(kRepeatTimer);
      break;
    case skin::RepeatAction::send:
      Notify(skin::ScrollCode(pressed_));
      break;
    case skin::RepeatAction::wait:
      break;
  }
  return true;
}

bool CSkinScrollBar::OnMouseMove(UINT, POINT point) {
  if (dragging_) {
    const int position = skin::DragPosition(Layout().length, cell_, values_, press_position_, Along(point) - press_along_);
    if (position != drag_position_) {
      drag_position_ = position;
      Redraw();
      Notify(skin::ScrollCode(ScrollPart::thumb), position);
    }
    return true;
  }
  if (pressed_ != ScrollPart::none) {
    const bool left = PartAt(point) != pressed_;
    if (left != cursor_left_) {
      cursor_left_ = left;
      Redraw();
    }
    return true;
  }
  if (!tracking_leave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    tracking_leave_ = TrackMouseEvent(&track) != 0;
  }
  const ScrollPart part = PartAt(point);
  if (part != hovered_) {
    hovered_ = part;
    Redraw();
  }
  return true;
}

bool CSkinScrollBar::OnMouseLeave() {
  tracking_leave_ = false;
  if (dragging_ || pressed_ != ScrollPart::none || hovered_ == ScrollPart::none) return true;
  hovered_ = ScrollPart::none;
  Redraw();
  return true;
}

void CSkinScrollBar::EndPress(POINT point) {
  if (dragging_) {
    Notify(skin::kThumbReleasedCode, drag_position_);
    dragging_ = false;
    drag_position_ = -1;
    hovered_ = PartAt(point);
    Redraw();
  } else if (pressed_ != ScrollPart::none) {
    KillTimer(kRepeatTimer);
    pressed_ = ScrollPart::none;
    repeating_ = false;
    cursor_left_ = false;
    hovered_ = PartAt(point);
    Redraw();
  }
}

bool CSkinScrollBar::OnLButtonUp(UINT, POINT point) {
  if (capturing_) {
    capturing_ = false;
    ReleaseCapture();
  }
  EndPress(point);
  return true;
}

bool CSkinScrollBar::OnCaptureChanged(HWND gaining) {
  // Another window took the mouse in the middle of a press: the press ends
  // there, as if the button went up with the cursor away from the bar.
  if (capturing_ && gaining != m_hWnd) {
    capturing_ = false;
    EndPress(POINT{-1, -1});
  }
  return true;
}

}  // namespace zk40
