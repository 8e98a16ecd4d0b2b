#include "framework/Wnd.h"

#include <windowsx.h>
// windowsx.h names a macro like our method.
#undef SubclassWindow

#include <mutex>
#include <unordered_map>
#include <utility>

#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

constexpr wchar_t kOwnClassName[] = L"ZK40Window";
// Our subclass among the control's subclasses.
constexpr UINT_PTR kSubclassId = 0x5A4B40;

ATOM RegisterOwnClass(WNDPROC procedure) {
  static ATOM atom = [procedure] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kOwnClassName;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

// The objects bound to windows, looked up several times for every message
// (the window's own, the control a notification names, each parent a message
// is offered to). A table in the process: a window property would cost a
// round trip to the window server for each lookup under Wine.
class BoundObjects {
 public:
  CWnd* Find(HWND hwnd) {
    std::lock_guard lock(mutex_);
    const auto it = objects_.find(hwnd);
    return it == objects_.end() ? nullptr : it->second;
  }
  void Add(HWND hwnd, CWnd* object) {
    std::lock_guard lock(mutex_);
    objects_[hwnd] = object;
  }
  void Remove(HWND hwnd) {
    std::lock_guard lock(mutex_);
    objects_.erase(hwnd);
  }

 private:
  std::mutex mutex_;
  std::unordered_map<HWND, CWnd*> objects_;
};

BoundObjects& Bound() {
  static BoundObjects bound;
  return bound;
}

POINT PointOf(LPARAM lp) { return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

// The control a notification is about, for the messages that carry one.
HWND ControlOf(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
      return reinterpret_cast<HWND>(lp);
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(lp)->hwndFrom;
    default:
      (void)wp;
      return nullptr;
  }
}

}  // namespace

CWnd::~CWnd() {
  if (m_hWnd) {
    HWND hwnd = m_hWnd;
    Unbind();
    ::DestroyWindow(hwnd);
  }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  return hwnd ? Bound().Find(hwnd) : nullptr;
}

void CWnd::Bind(HWND hwnd, Binding binding) {
  m_hWnd = hwnd;
  binding_ = binding;
  Bound().Add(hwnd, this);
}

void CWnd::Unbind() {
  if (!m_hWnd) return;
  if (binding_ == Binding::subclassed) RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProcedure, kSubclassId);
  Bound().Remove(m_hWnd);
  binding_ = Binding::none;
  m_hWnd = nullptr;
}

bool CWnd::Create(const WindowCreateArgs& args) {
  const bool own = args.class_name == nullptr;
  if (own && !RegisterOwnClass(&CWnd::WindowProcedure)) return false;
  const RECT& r = args.rect;
  HWND hwnd = CreateWindowExW(args.ex_style, own ? kOwnClassName : args.class_name, Wide(args.title), args.style,
                              r.left, r.top, r.right - r.left, r.bottom - r.top, args.parent,
                              reinterpret_cast<HMENU>(args.id), GetModuleHandleW(nullptr), own ? this : nullptr);
  if (!hwnd) return false;
  if (!own) return SubclassWindow(hwnd);
  return true;
}

WindowCreateArgs ChildWindowArgs(const RECT& rect, const CWnd* parent, UINT_PTR id, DWORD style) {
  WindowCreateArgs args;
  args.style = style | WS_CHILD;
  args.rect = rect;
  args.parent = parent ? parent->GetSafeHwnd() : nullptr;
  args.id = id;
  return args;
}

bool CWnd::SubclassWindow(HWND hwnd) {
  if (!hwnd || m_hWnd || FromHandle(hwnd)) return false;
  if (!SetWindowSubclass(hwnd, &CWnd::SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  Bind(hwnd, Binding::subclassed);
  OnSubclassed();
  return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd& parent) { return SubclassWindow(parent.GetDlgItem(id)); }

HWND CWnd::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (binding_ == Binding::subclassed) Unbind();
  return hwnd;
}

bool CWnd::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd) != 0; }

void CWnd::SetWindowText(const std::u16string& text) const { ::SetWindowTextW(m_hWnd, Wide(text)); }

std::u16string CWnd::GetWindowText() const {
  const int length = ::GetWindowTextLengthW(m_hWnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return FromWide(text);
}

RECT CWnd::GetClientRect() const {
  RECT r{};
  ::GetClientRect(m_hWnd, &r);
  return r;
}

RECT CWnd::GetWindowRect() const {
  RECT r{};
  ::GetWindowRect(m_hWnd, &r);
  return r;
}

bool CWnd::PreTranslateMessage(MSG&) { return false; }

bool CWnd::PreTranslateChain(MSG& msg) {
  for (HWND hwnd = msg.hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    CWnd* object = FromHandle(hwnd);
    if (object && object->PreTranslateMessage(msg)) return true;
  }
  return false;
}

bool CWnd::ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND control = ControlOf(msg, wp, lp);
  if (!control || control == m_hWnd) return false;
  CWnd* child = FromHandle(control);
  if (!child) return false;
  switch (msg) {
    case WM_COMMAND:
      result = 0;
      return child->OnReflectedCommand(HIWORD(wp));
    case WM_DRAWITEM:
      result = TRUE;
      return child->OnReflectedDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
    case WM_HSCROLL:
    case WM_VSCROLL:
      result = 0;
      return child->OnReflectedScroll(msg, LOWORD(wp), static_cast<short>(HIWORD(wp)));
    case WM_NOTIFY:
      result = 0;
      return child->OnReflectedNotify(*reinterpret_cast<NMHDR*>(lp), result);
    default: {
      HBRUSH brush = child->OnReflectedCtlColor(reinterpret_cast<HDC>(wp), msg);
      result = reinterpret_cast<LRESULT>(brush);
      return brush != nullptr;
    }
  }
}

bool CWnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  result = 0;
  if (ReflectToControl(msg, wp, lp, result)) return true;
  return OnMessage(msg, wp, lp, result);
}

bool CWnd::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(*reinterpret_cast<CREATESTRUCTW*>(lp));
    case WM_DESTROY:
      OnDestroy();
      return false;
    case WM_PAINT:
      return OnPaint();
    case WM_ERASEBKGND:
      result = 1;
      return OnEraseBkgnd(reinterpret_cast<HDC>(wp));
    case WM_TIMER:
      return OnTimer(wp);
    case WM_COMMAND:
      return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
    case WM_MOUSEMOVE:
      return OnMouseMove(static_cast<UINT>(wp), PointOf(lp));
    case WM_MOUSELEAVE:
      return OnMouseLeave();
    case WM_LBUTTONDOWN:
      return OnLButtonDown(static_cast<UINT>(wp), PointOf(lp));
    case WM_LBUTTONUP:
      return OnLButtonUp(static_cast<UINT>(wp), PointOf(lp));
    case WM_LBUTTONDBLCLK:
      return OnLButtonDblClk(static_cast<UINT>(wp), PointOf(lp));
    case WM_RBUTTONUP:
      return OnRButtonUp(static_cast<UINT>(wp), PointOf(lp));
    case WM_MOUSEWHEEL:
      return OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wp), GET_KEYSTATE_WPARAM(wp), PointOf(lp));
    case WM_SETCURSOR:
      result = TRUE;
      return OnSetCursor(reinterpret_cast<HWND>(wp), LOWORD(lp), HIWORD(lp));
    case WM_SIZE:
      return OnSize(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
    case WM_CLOSE:
      return OnClose();
    case WM_KEYDOWN:
      return OnKeyDown(static_cast<UINT>(wp), lp);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORDLG: {
      HBRUSH brush = nullptr;
      if (!OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg, brush)) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DRAWITEM:
      result = TRUE;
      return OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
    case WM_HSCROLL:
    case WM_VSCROLL:
      return OnScroll(msg, LOWORD(wp), static_cast<short>(HIWORD(wp)), reinterpret_cast<HWND>(lp));
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lp), result);
    case WM_KILLFOCUS:
      return OnKillFocus(reinterpret_cast<HWND>(wp));
    case WM_CAPTURECHANGED:
      return OnCaptureChanged(reinterpret_cast<HWND>(lp));
    default:
      if (msg >= WM_USER) return OnUserMessage(msg, wp, lp, result);
      return false;
  }
}

LRESULT CWnd::CallDefault(UINT msg, WPARAM wp, LPARAM lp) {
  switch (binding_) {
    case Binding::subclassed:
      return DefSubclassProc(m_hWnd, msg, wp, lp);
    case Binding::own_class:
      return DefWindowProcW(m_hWnd, msg, wp, lp);
    default:
      // A dialog's default handling is the dialog manager's, after the
      // dialog procedure returns FALSE.
      return 0;
  }
}

LRESULT CWnd::Default() {
  if (!current_) return 0;
  return CallDefault(current_->msg, current_->wp, current_->lp);
}

bool CWnd::Route(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  const CurrentMessage message{msg, wp, lp};
  // A handler may send messages to its own window; each nested message puts
  // the outer one back when it is done, so Default() still means the outer one.
  const CurrentMessage* outer = std::exchange(current_, &message);
  ++depth_;
  result = 0;
  bool handled = Dispatch(msg, wp, lp, result);
  if (!handled && binding_ != Binding::dialog) {
    result = CallDefault(msg, wp, lp);
    handled = true;
  }
  current_ = outer;
  --depth_;
  if (msg == WM_NCDESTROY) {
    Unbind();
    nc_destroyed_ = true;
  }
  // A window destroyed from inside one of its own handlers (a popup closed by
  // its parent while it notifies it) is still on the stack of that handler:
  // the object may delete itself only once the outermost message is done.
  if (nc_destroyed_ && depth_ == 0) {
    nc_destroyed_ = false;
    PostNcDestroy();
  }
  return handled;
}

LRESULT CALLBACK CWnd::WindowProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  CWnd* object = FromHandle(hwnd);
  if (!object && msg == WM_NCCREATE) {
    object = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    if (object) object->Bind(hwnd, Binding::own_class);
  }
  if (!object) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = 0;
  object->Route(msg, wp, lp, result);
  return result;
}

LRESULT CALLBACK CWnd::SubclassProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* object = reinterpret_cast<CWnd*>(data);
  if (!object || object->m_hWnd != hwnd) return DefSubclassProc(hwnd, msg, wp, lp);
  LRESULT result = 0;
  object->Route(msg, wp, lp, result);
  return result;
}

}  // namespace zk40
