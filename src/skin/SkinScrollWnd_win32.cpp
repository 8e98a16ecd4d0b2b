#include "skin/SkinScrollWnd_win32.h"

#include "platform/WindowMessages.h"
#include "skin/PictureLoading_win32.h"

namespace zk40 {
namespace {

constexpr UINT_PTR kListSubclassId = 0x5A4B5C;
constexpr UINT_PTR kSyncTimer = 1;
// The skin bars also catch up with scrolling the list does without erasing
// its background (a selection moved by the keyboard, a list refilled).
constexpr UINT kSyncInterval = 500;
constexpr UINT kHorizontalBarId = 100;
constexpr UINT kVerticalBarId = 101;
constexpr UINT kLimitId = 200;
constexpr int kSkinColumns = 9;
constexpr wchar_t kLimitClass[] = L"ZK40ScrollLimit";

bool HasVisibleStyle(HWND hwnd) { return hwnd && (::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

// The clipping window stands between the list and the page that owns it:
// whatever the list tells its parent goes on to the frame's parent.
LRESULT CALLBACK LimitProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
      return ::SendMessageW(::GetParent(::GetParent(hwnd)), msg, wp, lp);
    case WM_ERASEBKGND:
      return 1;  // the list covers it
    default:
      return ::DefWindowProcW(hwnd, msg, wp, lp);
  }
}

bool RegisterLimitClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &LimitProcedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kLimitClass;
    return ::RegisterClassExW(&wc);
  }();
  return atom != 0;
}

skin::Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Moves and sizes child to r (in its parent's client coordinates) unless it is there already.
void PlaceChild(HWND child, const skin::Rect& r, UINT flags = 0) {
  RECT now{};
  ::GetWindowRect(child, &now);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&now), 2);
  if (FromRect(now) == r && flags == 0) return;
  ::SetWindowPos(child, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE | flags);
}

}  // namespace

CSkinScrollWnd* CSkinScrollWnd::SkinList(HWND list, HBITMAP skin) {
  auto* frame = new CSkinScrollWnd();
  if (!frame->Wrap(list, skin)) {
    if (frame->GetSafeHwnd()) {
      frame->DestroyWindow();  // deletes the frame
    } else {
      delete frame;
    }
    return nullptr;
  }
  return frame;
}

bool CSkinScrollWnd::Wrap(HWND list, HBITMAP skin) {
  HWND parent = list ? ::GetParent(list) : nullptr;
  if (!parent || !RegisterLimitClass()) return false;
  skin_ = skin;
  cell_ = BitmapSize(skin).cx / kSkinColumns;

  RECT place{};
  ::GetWindowRect(list, &place);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  const LONG style = ::GetWindowLongW(list, GWL_STYLE);
  const LONG ex_style = ::GetWindowLongW(list, GWL_EXSTYLE);
  WindowCreateArgs args;
  args.title = u"SkinScrollBarFrame";
  args.style = WS_CHILD | WS_CLIPCHILDREN | (style & (WS_VISIBLE | WS_BORDER));
  args.ex_style = WS_EX_CONTROLPARENT | (ex_style & WS_EX_CLIENTEDGE);
  args.rect = place;
  args.parent = parent;
  args.id = static_cast<UINT_PTR>(::GetDlgCtrlID(list));
  if (!Create(args)) return false;
  ::SetWindowPos(m_hWnd, list, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  const RECT client = GetClientRect();
  limit_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kLimitClass, L"LIMIT", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                             0, client.right, client.bottom, m_hWnd, reinterpret_cast<HMENU>(kLimitId),
                             ::GetModuleHandleW(nullptr), nullptr);
  CSkinScrollBar::CreateArgs bar;
  bar.style = 0;  // hidden until the list shows that bar
  bar.parent = this;
  bar.rect = RECT{0, 0, cell_, cell_};
  bar.vertical = false;
  bar.id = kHorizontalBarId;
  bool made = limit_ && horizontal_.Create(bar);
  bar.vertical = true;
  bar.id = kVerticalBarId;
  made = made && vertical_.Create(bar);
  if (!made) return false;
  horizontal_.SetSkin(skin);
  vertical_.SetSkin(skin);

  // The border now belongs to the frame; the list keeps the frame's inside.
  ::SetWindowLongW(list, GWL_STYLE, style & ~WS_BORDER);
  ::SetWindowLongW(list, GWL_EXSTYLE, ex_style & ~WS_EX_CLIENTEDGE);
  ::SetParent(list, limit_);
  if (!::SetWindowSubclass(list, &CSkinScrollWnd::ListProcedure, kListSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    ::SetParent(list, parent);
    ::SetWindowLongW(list, GWL_STYLE, style);
    ::SetWindowLongW(list, GWL_EXSTYLE, ex_style);
    return false;
  }
  list_ = list;
  // Sizing with a frame change runs the list's size computation, which
  // places the skin bars and lays out the clipping window.
  ::SetWindowPos(list, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetTimer(kSyncTimer, kSyncInterval);
  SyncVisibleBars();
  return true;
}

skin::ListScrollBars CSkinScrollWnd::ListBars() const {
  const LONG style = ::GetWindowLongW(list_, GWL_STYLE);
  const LONG ex_style = ::GetWindowLongW(list_, GWL_EXSTYLE);
  return {(style & WS_VSCROLL) != 0, (ex_style & WS_EX_LEFTSCROLLBAR) != 0, (style & WS_HSCROLL) != 0};
}

LRESULT CALLBACK CSkinScrollWnd::ListProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR data) {
  auto* frame = reinterpret_cast<CSkinScrollWnd*>(data);
  if (msg == WM_NCDESTROY) {
    ::RemoveWindowSubclass(hwnd, &CSkinScrollWnd::ListProcedure, kListSubclassId);
    frame->ListGone();
    return ::DefSubclassProc(hwnd, msg, wp, lp);
  }
  // Both forms of the size computation start with the window rectangle,
  // which the list's own handling turns into its client rectangle.
  RECT window{};
  if (msg == WM_NCCALCSIZE) window = *reinterpret_cast<RECT*>(lp);
  const LRESULT result = ::DefSubclassProc(hwnd, msg, wp, lp);
  if (msg == WM_NCCALCSIZE) {
    frame->AfterListNcCalcSize(window, *reinterpret_cast<RECT*>(lp));
  } else if (msg == WM_ERASEBKGND && !frame->passing_scroll_) {
    const skin::ListScrollBars bars = frame->ListBars();
    if (bars.vertical) frame->SyncBar(frame->vertical_);
    if (bars.horizontal) frame->SyncBar(frame->horizontal_);
  }
  return result;
}

void CSkinScrollWnd::AfterListNcCalcSize(const RECT& window, RECT& client) {
  const skin::ListScrollBars bars = ListBars();
  // In the list's window coordinates, which are the frame's once the list
  // sits in its place in the clipping window.
  const skin::Rect own{client.left - window.left, client.top - window.top, client.right - window.left,
                       client.bottom - window.top};
  const skin::Rect widened = skin::WidenClientForSkin(own, bars, cell_, ::GetSystemMetrics(SM_CXVSCROLL),
                                                      ::GetSystemMetrics(SM_CYHSCROLL));
  client = RECT{widened.left + window.left, widened.top + window.top, widened.right + window.left,
                widened.bottom + window.top};
  const skin::Rect vertical = skin::VerticalBarStrip(widened, bars, cell_);
  const skin::Rect horizontal = skin::HorizontalBarStrip(widened, bars, cell_);
  for (auto [bar, strip] : {std::pair{&vertical_, vertical}, std::pair{&horizontal_, horizontal}}) {
    if (skin::IsEmpty(strip)) {
      bar->ShowWindow(SW_HIDE);
    } else {
      PlaceChild(bar->GetSafeHwnd(), strip, SWP_SHOWWINDOW);
    }
  }
  corner_ = skin::CornerModeOf(bars);
  PostMessage(msg::kScrollFrameLayout, bars.vertical ? 1 : 0, bars.vertical_on_left ? 1 : 0);
}

bool CSkinScrollWnd::OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT&) {
  if (msg != msg::kScrollFrameLayout) return false;
  if (!list_) return true;
  const skin::ListScrollBars bars{wp != 0, lp != 0, HasVisibleStyle(horizontal_.GetSafeHwnd())};
  const RECT client = GetClientRect();
  const skin::LimitPlacement place = skin::PlaceLimit(client.right, client.bottom, bars, cell_);
  PlaceChild(limit_, place.limit);
  RECT list{};
  ::GetWindowRect(list_, &list);
  ::MapWindowPoints(nullptr, limit_, reinterpret_cast<POINT*>(&list), 2);
  if (list.left != place.list_origin.x || list.top != place.list_origin.y) {
    ::SetWindowPos(list_, nullptr, place.list_origin.x, place.list_origin.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Invalidate();
  return true;
}

bool CSkinScrollWnd::OnScroll(UINT message, int code, int position, HWND control) {
  CSkinScrollBar* bar = control == vertical_.GetSafeHwnd()     ? &vertical_
                        : control == horizontal_.GetSafeHwnd() ? &horizontal_
                                                               : nullptr;
  if (!bar || !list_) return false;
  passing_scroll_ = true;
  ::SendMessageW(list_, message, MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)), 0);
  passing_scroll_ = false;
  // While the thumb is dragged the bar shows its own drag position.
  if (code != skin::ScrollCode(skin::ScrollPart::thumb)) SyncBar(*bar);
  return true;
}

void CSkinScrollWnd::SyncBar(CSkinScrollBar& bar) {
  if (!list_ || !bar.GetSafeHwnd()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!::GetScrollInfo(list_, bar.IsVertical() ? SB_VERT : SB_HORZ, &info)) return;
  const skin::ScrollValues values{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
  if (values != bar.Values()) bar.SetValues(values, true);
  bar.EnableWindow(values.maximum >= values.page);
}

void CSkinScrollWnd::SyncVisibleBars() {
  for (CSkinScrollBar* bar : {&vertical_, &horizontal_}) {
    if (HasVisibleStyle(bar->GetSafeHwnd()) && !bar->IsDragging()) SyncBar(*bar);
  }
}

bool CSkinScrollWnd::OnTimer(UINT_PTR id) {
  if (id != kSyncTimer) return false;
  SyncVisibleBars();
  return true;
}

bool CSkinScrollWnd::OnPaint() {
  PaintDC paint(m_hWnd);
  const RECT client = GetClientRect();
  const skin::Rect corner = skin::CornerBox(client.right, client.bottom, corner_, cell_);
  if (skin::IsEmpty(corner) || !skin_) return true;
  MemoryDC skin_dc(paint.get());
  SelectInDC select(skin_dc.get(), skin_);
  const skin::Rect cell = skin::CornerCell(corner_ == skin::CornerMode::bottom_left, cell_);
  ::BitBlt(paint.get(), corner.left, corner.top, corner.Width(), corner.Height(), skin_dc.get(), cell.left, cell.top,
           SRCCOPY);
  return true;
}

bool CSkinScrollWnd::OnSize(UINT, int width, int height) {
  if (list_) ::SetWindowPos(list_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return false;
}

void CSkinScrollWnd::ListGone() {
  list_ = nullptr;
  if (!m_hWnd) return;
  KillTimer(kSyncTimer);
  // The list is in the middle of its destruction inside this frame; the
  // frame goes once that is over (at once, if the frame's own parent is
  // being destroyed and takes it along).
  PostMessage(WM_CLOSE);
}

void CSkinScrollWnd::PostNcDestroy() {
  if (list_) ::RemoveWindowSubclass(list_, &CSkinScrollWnd::ListProcedure, kListSubclassId);
  delete this;
}

}  // namespace zk40
