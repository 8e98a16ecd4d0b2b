#include "framework/Dialog.h"

#include "framework/MessageLoop.h"

namespace zk40 {

HWND CDialog::CreateFromTemplate(HWND owner) {
  return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(template_id_), owner,
                            &CDialog::DialogProcedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal() {
  HWND owner = parent_ ? parent_->GetSafeHwnd() : owner_;
  modal_ = true;
  ended_ = false;
  result_ = IDCANCEL;
  if (!CreateFromTemplate(owner) || !m_hWnd) {
    modal_ = false;
    return -1;
  }
  // Over a child page the whole window around it is held off, not only the
  // page: its other controls must not act under the dialog.
  const HWND heldOff = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
  const bool ownerWasEnabled = heldOff && ::IsWindowEnabled(heldOff);
  if (ownerWasEnabled) ::EnableWindow(heldOff, FALSE);
  RunMessageLoop(ended_);
  if (ownerWasEnabled) {
    ::EnableWindow(heldOff, TRUE);
    ::SetActiveWindow(heldOff);
  }
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  modal_ = false;
  return result_;
}

bool CDialog::Create() {
  modal_ = false;
  return CreateFromTemplate(parent_ ? parent_->GetSafeHwnd() : nullptr) != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
  result_ = result;
  if (modal_) {
    ended_ = true;
    // Wakes the loop when nothing else is queued.
    ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
  } else if (m_hWnd) {
    ::DestroyWindow(m_hWnd);
  }
}

bool CDialog::PreTranslateMessage(MSG& msg) {
  if (!m_hWnd || (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_CHILD)) return false;
  return ::IsDialogMessageW(m_hWnd, &msg) != 0;
}

bool CDialog::OnCommand(int id, int, HWND) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

bool CDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_INITDIALOG) {
    result = OnInitDialog() ? TRUE : FALSE;
    return true;
  }
  return CWnd::OnMessage(msg, wp, lp, result);
}

namespace {

// What the dialog procedure returns for a handled message: a few messages
// return their value directly, all others through DWLP_MSGRESULT.
INT_PTR DialogResult(HWND hwnd, UINT msg, LRESULT result) {
  switch (msg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return static_cast<INT_PTR>(result);
    default:
      SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
      return TRUE;
  }
}

}  // namespace

INT_PTR CALLBACK CDialog::DialogProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  CWnd* object = FromHandle(hwnd);
  if (!object && msg == WM_INITDIALOG) {
    object = reinterpret_cast<CDialog*>(lp);
    object->Bind(hwnd, Binding::dialog);
  }
  if (!object) return FALSE;
  LRESULT result = 0;
  // Unhandled messages go on to the dialog manager.
  if (!object->Route(msg, wp, lp, result) || msg == WM_NCDESTROY) return FALSE;
  return DialogResult(hwnd, msg, result);
}

}  // namespace zk40
