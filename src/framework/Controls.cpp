#include "framework/Controls.h"

#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

bool CreateControl(CWnd& control, const wchar_t* cls, const ControlCreateArgs& args) {
  WindowCreateArgs window = ChildWindowArgs(args.rect, args.parent, args.id, args.style);
  window.class_name = cls;
  window.title = args.text;
  window.ex_style = args.ex_style;
  return control.Create(window);
}

}  // namespace

bool CButton::Create(const CreateArgs& args) {
  on_click_ = args.on_click;
  return CreateControl(*this, L"BUTTON", args);
}

bool CButton::OnReflectedCommand(int code) {
  if (code != BN_CLICKED || !on_click_) return false;
  on_click_();
  return true;
}

bool CListBox::Create(const ControlCreateArgs& args) { return CreateControl(*this, L"LISTBOX", args); }

int CListBox::AddString(const std::u16string& text) const {
  return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text))));
}

int CListBox::InsertString(int index, const std::u16string& text) const {
  return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(Wide(text))));
}

std::u16string CListBox::GetText(int index) const {
  const auto length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return FromWide(text);
}

bool CEdit::Create(const ControlCreateArgs& args) { return CreateControl(*this, L"EDIT", args); }

bool CStatic::Create(const ControlCreateArgs& args) { return CreateControl(*this, L"STATIC", args); }

}  // namespace zk40
