#pragma once
// Thin wrappers of the standard controls that the skinned controls derive
// from. Each either creates its control from a ControlCreateArgs or
// subclasses one of a dialog.

#include <functional>
#include <string>

#include "framework/Wnd.h"

namespace zk40 {

// Creation arguments of a child control; WS_CHILD is always added.
struct ControlCreateArgs {
  std::u16string text;
  DWORD style = WS_VISIBLE;
  DWORD ex_style = 0;
  RECT rect{0, 0, 0, 0};  // in the parent's client coordinates
  const CWnd* parent = nullptr;
  UINT id = 0;
};

class CButton : public CWnd {
 public:
  struct CreateArgs : ControlCreateArgs {
    // Called on the button's click, in place of a WM_COMMAND to the parent;
    // for buttons whose whole job is one action.
    std::function<void()> on_click;
  };
  bool Create(const CreateArgs& args);
  void SetCheck(int state) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetButtonStyle(DWORD style) const { SendMessage(BM_SETSTYLE, style, TRUE); }
  void SetOnClick(std::function<void()> on_click) { on_click_ = std::move(on_click); }

 protected:
  bool OnReflectedCommand(int code) override;

 private:
  std::function<void()> on_click_;
};

class CListBox : public CWnd {
 public:
  bool Create(const ControlCreateArgs& args);
  int AddString(const std::u16string& text) const;
  int InsertString(int index, const std::u16string& text) const;
  int DeleteString(int index) const { return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index))); }
  void ResetContent() const { SendMessage(LB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
  int SetCurSel(int index) const { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
  std::u16string GetText(int index) const;
  LPARAM GetItemData(int index) const { return SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)); }
  void SetItemData(int index, LPARAM data) const { SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), data); }
  int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
  void SetTopIndex(int index) const { SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)); }
  int GetItemHeight() const { return static_cast<int>(SendMessage(LB_GETITEMHEIGHT)); }
  void SetItemHeight(int height) const { SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0)); }
};

class CEdit : public CWnd {
 public:
  bool Create(const ControlCreateArgs& args);
  void SetLimitText(int units) const { SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(units)); }
  void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
  void SetReadOnly(bool readOnly) const { SendMessage(EM_SETREADONLY, readOnly); }
};

class CStatic : public CWnd {
 public:
  bool Create(const ControlCreateArgs& args);
  void SetBitmap(HBITMAP bitmap) const { SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)); }
};

}  // namespace zk40
