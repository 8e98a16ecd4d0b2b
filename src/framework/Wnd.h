#pragma once
// CWnd: one C++ object bound to one window handle. Windows of our own class
// are bound at WM_NCCREATE, dialogs at WM_INITDIALOG, standard controls by
// subclassing (SetWindowSubclass, so other subclasses of the same control
// stay intact). Every message of every binding takes the same path, Route:
// reflection, then small virtual OnXxx handlers; a handler that returns false
// leaves the message to the binding's default handling.
// WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR* and WM_H/VSCROLL are offered
// first to the object that owns the control (reflection), so skinned controls
// with control id 0 handle their own notifications.

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace zk40 {

// Creation arguments of a window; a null class name means the framework's own class.
struct WindowCreateArgs {
  const wchar_t* class_name = nullptr;
  std::u16string title;
  DWORD style = WS_POPUP;
  DWORD ex_style = 0;
  RECT rect{0, 0, 0, 0};  // left, top, right, bottom in parent client coordinates
  HWND parent = nullptr;
  UINT_PTR id = 0;  // control id for a child window
};

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  static CWnd* FromHandle(HWND hwnd);

  bool Create(const WindowCreateArgs& args);
  // Binds an existing window (a dialog's control) to this object.
  bool SubclassWindow(HWND hwnd);
  bool SubclassDlgItem(int id, const CWnd& parent);
  HWND UnsubclassWindow();
  bool DestroyWindow();

  // A thin layer over the handle.
  bool ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command) != 0; }
  bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != 0; }
  bool EnableWindow(bool enable) const { return ::EnableWindow(m_hWnd, enable) != 0; }
  bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != 0; }
  bool MoveWindow(int x, int y, int width, int height, bool repaint = true) const {
    return ::MoveWindow(m_hWnd, x, y, width, height, repaint) != 0;
  }
  void SetWindowText(const std::u16string& text) const;
  std::u16string GetWindowText() const;
  RECT GetClientRect() const;
  RECT GetWindowRect() const;
  void Invalidate(bool erase = false) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  HWND GetParent() const { return ::GetParent(m_hWnd); }
  LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageW(m_hWnd, msg, wp, lp); }
  bool PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::PostMessageW(m_hWnd, msg, wp, lp) != 0; }
  UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) const { return ::SetTimer(m_hWnd, id, milliseconds, nullptr); }
  bool KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id) != 0; }

  // Called by the message loop before dispatching, for the target window and
  // each of its parents in turn; true means the message was handled here.
  virtual bool PreTranslateMessage(MSG& msg);
  // Offers msg to the target window's object and its parents' objects.
  static bool PreTranslateChain(MSG& msg);

 protected:
  // The message as the window procedure received it; true when handled.
  virtual bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  // The rest of the current message's handling by the default procedure.
  LRESULT Default();

  virtual bool OnCreate(const CREATESTRUCTW&) { return false; }
  virtual void OnDestroy() {}
  // Right after a standard control was subclassed: its styles can be set here.
  virtual void OnSubclassed() {}
  // After the window is gone, the object unbound and every handler of it has
  // returned; may delete this.
  virtual void PostNcDestroy() {}
  virtual bool OnPaint() { return false; }
  virtual bool OnEraseBkgnd(HDC) { return false; }
  virtual bool OnTimer(UINT_PTR) { return false; }
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual bool OnMouseMove(UINT /*flags*/, POINT) { return false; }
  virtual bool OnMouseLeave() { return false; }
  virtual bool OnLButtonDown(UINT /*flags*/, POINT) { return false; }
  virtual bool OnLButtonUp(UINT /*flags*/, POINT) { return false; }
  virtual bool OnLButtonDblClk(UINT /*flags*/, POINT) { return false; }
  virtual bool OnRButtonUp(UINT /*flags*/, POINT) { return false; }
  virtual bool OnMouseWheel(int /*delta*/, UINT /*flags*/, POINT) { return false; }
  virtual bool OnSetCursor(HWND, UINT /*hitTest*/, UINT /*message*/) { return false; }
  virtual bool OnSize(UINT /*type*/, int /*width*/, int /*height*/) { return false; }
  virtual bool OnClose() { return false; }
  virtual bool OnKeyDown(UINT /*key*/, LPARAM) { return false; }
  virtual bool OnCtlColor(HDC, HWND /*control*/, UINT /*message*/, HBRUSH&) { return false; }
  virtual bool OnDrawItem(DRAWITEMSTRUCT&) { return false; }
  virtual bool OnScroll(UINT /*message*/, int /*code*/, int /*position*/, HWND /*control*/) { return false; }
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual bool OnKillFocus(HWND /*next*/) { return false; }
  virtual bool OnCaptureChanged(HWND /*gaining*/) { return false; }
  // Any message from WM_USER up, and registered ones.
  virtual bool OnUserMessage(UINT /*msg*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

  // Notifications of this control, reflected from its parent.
  virtual bool OnReflectedCommand(int /*code*/) { return false; }
  virtual bool OnReflectedDrawItem(DRAWITEMSTRUCT&) { return false; }
  virtual HBRUSH OnReflectedCtlColor(HDC, UINT /*message*/) { return nullptr; }
  virtual bool OnReflectedScroll(UINT /*message*/, int /*code*/, int /*position*/) { return false; }
  virtual bool OnReflectedNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

  HWND m_hWnd = nullptr;

 private:
  friend class CDialog;
  enum class Binding { none, own_class, subclassed, dialog };

  static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK SubclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  void Bind(HWND hwnd, Binding binding);
  void Unbind();
  // Reflection first, then OnMessage; true when handled.
  bool Dispatch(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  LRESULT CallDefault(UINT msg, WPARAM wp, LPARAM lp);
  // The one path of every message: the handlers, then (except for dialogs,
  // whose default handling follows when the dialog procedure returns FALSE)
  // the binding's default handling; the binding ends at WM_NCDESTROY.
  // Returns whether the message counts as handled, with its result.
  bool Route(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  Binding binding_ = Binding::none;
  struct CurrentMessage {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
  };
  const CurrentMessage* current_ = nullptr;
  // Messages of this object being handled, nested ones included.
  int depth_ = 0;
  bool nc_destroyed_ = false;
};

// A visible child of the framework's own class (style adds to WS_CHILD).
WindowCreateArgs ChildWindowArgs(const RECT& rect, const CWnd* parent, UINT_PTR id, DWORD style = WS_VISIBLE);

}  // namespace zk40
