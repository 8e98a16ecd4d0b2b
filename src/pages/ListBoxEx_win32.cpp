#include "pages/ListBoxEx_win32.h"

#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinScrollWnd_win32.h"
#include "skin/SkinPaths.h"

namespace zk40 {
namespace {

constexpr UINT_PTR kEditorSubclassId = 0x4C4258;
constexpr int kEditorLimit = 20;
// The one list of the whole program whose row is being renamed.
CListBoxEx* g_renaming = nullptr;

std::u16string ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string folder = FromWide(std::wstring_view(path, length));
  const std::size_t slash = folder.find_last_of(u'\\');
  return slash == std::u16string::npos ? std::u16string() : folder.substr(0, slash + 1);
}

DrawAction ActionOf(UINT action) {
  if (action & ODA_SELECT) return DrawAction::selection_changed;
  if (action & ODA_FOCUS) return DrawAction::focus_changed;
  return DrawAction::draw_entire;
}

}  // namespace

bool CListBoxEx::Create(const ControlCreateArgs& args) {
  ControlCreateArgs list = args;
  list.text.clear();
  list.style = args.style | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
  return CListBox::Create(list);
}

void CListBoxEx::OnSubclassed() {
  font_.Reset(CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg"));
  icon_folder_ = ProgramFolder();
  row_height_ = 20;
  text_ = GetSysColor(COLOR_WINDOWTEXT);
  selected_text_ = GetSysColor(COLOR_HIGHLIGHTTEXT);
  SetBackground(GetSysColor(COLOR_INACTIVEBORDER), GetSysColor(COLOR_HIGHLIGHT));
  icons_shown_ = true;
  rename_enabled_ = false;
  notify_target_ = nullptr;
  editor_ = nullptr;
  editor_row_ = -1;
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void CListBoxEx::OnDestroy() {
  DropEditor();
  if (g_renaming == this) g_renaming = nullptr;
}

bool CListBoxEx::AttachScrollFrame(HBITMAP skin) { return CSkinScrollWnd::SkinList(m_hWnd, skin) != nullptr; }

void CListBoxEx::SetTextColours(COLORREF normal, COLORREF selected) {
  text_ = normal;
  selected_text_ = selected;
  if (m_hWnd) Invalidate(true);
}

void CListBoxEx::SetBackground(COLORREF background, COLORREF selection) {
  background_colour_ = background;
  background_.Reset(CreateSolidBrush(background));
  selection_ = selection;
  if (m_hWnd) Invalidate(true);
}

void CListBoxEx::SetIconFolder(std::u16string folder) {
  icon_folder_ = std::move(folder);
  icons_.clear();
}

// --- rows ---------------------------------------------------------------------------

int CListBoxEx::FinishRow(int index, RowKind kind, std::uint32_t value) {
  // A failed add or insert sets no data; the selection follows the list's answer.
  if (index >= 0) {
    SetItemData(index, static_cast<LPARAM>(PackItemData(kind, value)));
    SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), row_height_);
  }
  SetCurSel(index);
  return index;
}

int CListBoxEx::AddRow(RowKind kind, const std::u16string& text, std::uint32_t value, bool openEditor) {
  DropEditor();
  const int index = FinishRow(AddString(text), kind, value);
  icons_shown_ = kind != RowKind::plain;
  if (openEditor && index >= 0) OpenEditor(index);
  return index;
}

int CListBoxEx::InsertRow(int index, RowKind kind, const std::u16string& text, std::uint32_t value) {
  return FinishRow(InsertString(index, text), kind, value);
}

int CListBoxEx::ReplaceRow(int index, RowKind kind, const std::u16string& text, std::uint32_t value) {
  if (DeleteString(index) == LB_ERR) return LB_ERR;
  FinishRow(InsertString(index, text), kind, value);
  SetCurSel(index);
  return index;
}

void CListBoxEx::Empty() {
  DropEditor();
  ResetContent();
  hover_.Leave();
}

// --- drawing --------------------------------------------------------------------------

HBRUSH CListBoxEx::OnReflectedCtlColor(HDC dc, UINT message) {
  if (message != WM_CTLCOLORLISTBOX) return nullptr;
  SetBkColor(dc, background_colour_);
  return background_.get();
}

const GdiPlusImage& CListBoxEx::Icon(std::u16string_view file) {
  auto found = icons_.find(file);
  if (found == icons_.end()) {
    // A file that cannot be loaded stays empty and draws nothing.
    found = icons_.emplace(std::u16string(file), LoadPngFile(skin::ListBoxSkinPath(icon_folder_, file))).first;
  }
  return found->second;
}

bool CListBoxEx::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const RowPaint paint = PaintRow(selected, (item.itemState & ODS_DISABLED) != 0, ActionOf(item.itemAction));
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  if (paint.fill == RowFill::selection) {
    Brush fill(CreateSolidBrush(selection_));
    FillRect(dc, &r, fill.get());
  } else if (paint.fill == RowFill::background || item.itemAction & ODA_DRAWENTIRE) {
    // A row drawn whole also clears what an earlier look left behind.
    FillRect(dc, &r, background_.get());
  }
  if (static_cast<int>(item.itemID) < 0) return true;

  const COLORREF colours[] = {text_, selected_text_, GetSysColor(COLOR_BTNSHADOW)};
  SetTextColor(dc, colours[static_cast<std::size_t>(paint.text)]);
  SetBkMode(dc, TRANSPARENT);
  SelectInDC selectFont(dc, font_.get());
  const RowLayout layout = LayoutRow(static_cast<std::uint32_t>(item.itemData), icons_shown_, selected);
  if (!layout.icon_file.empty()) {
    if (const GdiPlusImage& icon = Icon(layout.icon_file)) {
      GdiPlusGraphics graphics(dc);
      gdip::GdipDrawImageRectI(graphics.get(), icon.get(), r.left + kRowIconLeft, r.top + kRowIconTop, kRowIconSize,
                               kRowIconSize);
    }
  }
  const std::u16string text = GetText(static_cast<int>(item.itemID));
  RECT box{r.left + layout.text_left, r.top, r.right, r.bottom};
  DrawTextW(dc, Wide(text), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  return true;
}

void CListBoxEx::RepaintRow(int row) const {
  RECT r{};
  if (row >= 0 && SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)) != LB_ERR) {
    InvalidateRect(m_hWnd, &r, TRUE);
  }
}

// --- input ----------------------------------------------------------------------------

HWND CListBoxEx::NotifyTarget() const {
  if (notify_target_) return notify_target_;
  // Inside the skinned frame the list's parent is the frame's clipping
  // window; the page is the frame's parent.
  HWND parent = GetParent();
  wchar_t name[32] = {};
  GetClassNameW(parent, name, 32);
  if (std::wstring_view(name) == L"ZK40ScrollLimit") parent = ::GetParent(::GetParent(parent));
  return parent;
}

bool CListBoxEx::OnReflectedCommand(int code) {
  if (code != LBN_SELCHANGE) return false;
  ::PostMessageW(NotifyTarget(), msg::kListSelectionChanged, static_cast<WPARAM>(GetDlgCtrlID(m_hWnd)),
                 static_cast<LPARAM>(GetCurSel()));
  return true;
}

int CListBoxEx::RowAt(POINT point) const {
  const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  if (HIWORD(hit) != 0) return -1;  // below the last row
  return static_cast<int>(LOWORD(hit));
}

bool CListBoxEx::OnLButtonDblClk(UINT, POINT point) {
  Default();
  if (rename_enabled_ && !editor_) {
    const int row = RowAt(point);
    if (row >= 0) OpenEditor(row);
  }
  return true;
}

bool CListBoxEx::OnMouseMove(UINT, POINT point) {
  if (!tracking_leave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    tracking_leave_ = TrackMouseEvent(&track) != 0;
  }
  if (const auto repaint = hover_.MoveTo(RowAt(point), editor_ != nullptr)) {
    RepaintRow(repaint->previous);
    RepaintRow(repaint->current);
  }
  return false;
}

bool CListBoxEx::OnMouseLeave() {
  tracking_leave_ = false;
  if (const auto repaint = hover_.Leave()) RepaintRow(repaint->previous);
  return false;
}

// --- the in-place editor ------------------------------------------------------------------

void CListBoxEx::OpenEditor(int row) {
  if (row < 0 || row >= GetCount()) return;
  if (g_renaming && g_renaming != this) g_renaming->CommitEdit();
  DropEditor();
  RECT r{};
  if (SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)) == LB_ERR) return;
  RepaintRow(row);
  editor_ = CreateWindowExW(0, L"edit", Wide(GetText(row)),
                            WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_WANTRETURN, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, m_hWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!editor_) return;
  editor_row_ = row;
  g_renaming = this;
  SetWindowSubclass(editor_, &CListBoxEx::EditorProcedure, kEditorSubclassId, reinterpret_cast<DWORD_PTR>(this));
  ::SendMessageW(editor_, EM_SETLIMITTEXT, kEditorLimit, 0);
  ::SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  ::SendMessageW(editor_, EM_SETSEL, 0, -1);
  SetFocus(editor_);
}

void CListBoxEx::DropEditor() {
  HWND editor = editor_;
  editor_ = nullptr;  // the focus leaving the dying editor must not commit it
  editor_row_ = -1;
  if (g_renaming == this) g_renaming = nullptr;
  if (editor) ::DestroyWindow(editor);
}

void CListBoxEx::CommitEdit() {
  if (!editor_) return;
  const int row = editor_row_;
  wchar_t text[kEditorLimit + 2] = {};
  ::GetWindowTextW(editor_, text, kEditorLimit + 1);
  const auto data = static_cast<LPARAM>(GetItemData(row));
  DropEditor();
  if (DeleteString(row) != LB_ERR) {
    const int index = InsertString(row, FromWide(text));
    if (index >= 0) {
      SetItemData(index, data);
      SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), row_height_);
    }
  }
  SetCurSel(row);
  Invalidate(true);
  ::PostMessageW(NotifyTarget(), msg::kListRowEdited, static_cast<WPARAM>(GetDlgCtrlID(m_hWnd)), row);
}

void CListBoxEx::CancelEdit() {
  if (!editor_) return;
  SetCurSel(editor_row_);
  DropEditor();
  Invalidate(true);
}

bool CListBoxEx::PreTranslateMessage(MSG& msg) {
  if (!editor_ || msg.hwnd != editor_) return false;
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
  if (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE) return false;
  ::DispatchMessageW(&msg);
  return true;
}

LRESULT CALLBACK CListBoxEx::EditorProcedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* list = reinterpret_cast<CListBoxEx*>(data);
  switch (msg) {
    case WM_GETDLGCODE:
      // Enter and Escape belong to the editor, not to the dialog around the list.
      return DLGC_WANTALLKEYS | DefSubclassProc(hwnd, msg, wp, lp);
    case WM_CHAR:
      if (wp == VK_RETURN || wp == VK_ESCAPE) return 0;  // no beep
      break;
    case WM_KEYUP:
      if (list->editor_ == hwnd && wp == VK_RETURN) {
        list->CommitEdit();
        return 0;
      }
      if (list->editor_ == hwnd && wp == VK_ESCAPE) {
        list->CancelEdit();
        return 0;
      }
      break;
    case WM_KILLFOCUS:
      if (list->editor_ == hwnd) {
        // The edit finishes losing the focus before it goes.
        const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
        list->CommitEdit();
        return result;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &CListBoxEx::EditorProcedure, kEditorSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace zk40
