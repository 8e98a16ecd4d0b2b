#include "framework/Controls.h"

#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

WindowCreateArgs ChildArgs(const wchar_t* cls, const std::u16string& text, DWORD style, const RECT& rect,
                           const CWnd& parent, UINT id) {
  WindowCreateArgs args;
  args.class_name = cls;
  args.title = text;
  args.style = style | WS_CHILD;
  args.rect = rect;
  args.parent = parent.GetSafeHwnd();
  args.id = id;
  return args;
}

}  // namespace

bool CButton::Create(const std::u16string& caption, DWORD style, const RECT& rect, const CWnd& parent, UINT id) {
  return CWnd::Create(ChildArgs(L"BUTTON", caption, style, rect, parent, id));
}

bool CListBox::Create(DWORD style, const RECT& rect, const CWnd& parent, UINT id) {
  return CWnd::Create(ChildArgs(L"LISTBOX", u"", style, rect, parent, id));
}

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

bool CEdit::Create(DWORD style, const RECT& rect, const CWnd& parent, UINT id) {
  return CWnd::Create(ChildArgs(L"EDIT", u"", style, rect, parent, id));
}

bool CStatic::Create(const std::u16string& text, DWORD style, const RECT& rect, const CWnd& parent, UINT id) {
  return CWnd::Create(ChildArgs(L"STATIC", text, style, rect, parent, id));
}

}  // namespace zk40
