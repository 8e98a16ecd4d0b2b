#pragma once
// CListBoxEx: the owner-drawn list of the macro page and the function
// chooser. Each row carries a packed item data word (a row kind and a value),
// kinds 2..4 draw a small icon, and a double click can rename a row in place.
// It tells its notify target (its parent when none is set) about selection
// changes the user makes (1125) and about committed renames (1136). The
// arithmetic of rows lives in macros/ListItemData; this class draws and
// routes input.

#include <map>
#include <string>

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "macros/ListItemData.h"
#include "skin/GdiPlus_win32.h"

namespace zk40 {

class CListBoxEx : public CListBox {
 public:
  // A child list (notify, owner-draw variable, has-strings, vertical bar) at
  // args.rect with args.id; the text is ignored.
  bool Create(const ControlCreateArgs& args);
  // Puts the list into the skinned scroll frame; skin must outlive the list.
  bool AttachScrollFrame(HBITMAP skin);

  // Closes an open editor without keeping its text, appends the row and
  // selects it; with openEditor the new row is renamed at once. The row's
  // index, or a negative list error.
  int AddRow(RowKind kind, const std::u16string& text, std::uint32_t value, bool openEditor = false);
  int InsertRow(int index, RowKind kind, const std::u16string& text, std::uint32_t value);
  // Deletes the row at index and, if that worked, inserts the new one there.
  int ReplaceRow(int index, RowKind kind, const std::u16string& text, std::uint32_t value);
  void DeleteRow(int index) const { DeleteString(index); }
  int RowCount() const { return GetCount(); }
  std::uint32_t RowData(int index) const { return static_cast<std::uint32_t>(GetItemData(index)); }
  int SelectedRow() const { return GetCurSel(); }
  void Empty();

  void SetTextColours(COLORREF normal, COLORREF selected);
  void SetBackground(COLORREF background, COLORREF selection);
  void SetRowHeight(int height) { row_height_ = height; }
  void SetRenameEnabled(bool enabled) { rename_enabled_ = enabled; }
  void SetNotifyTarget(HWND target) { notify_target_ = target; }
  // The folder the "skins\" icon paths start from, ending with a backslash.
  void SetIconFolder(std::u16string folder);

  // The in-place editor (null when none) and its row (-1 when none).
  HWND Editor() const { return editor_; }
  int EditorRow() const { return editor_row_; }
  // Hands the editor its Enter and Escape before the windows around the
  // list, which drop those keys, see them.
  bool PreTranslateMessage(MSG& msg) override;
  void OpenEditor(int row);
  int HoveredRow() const { return hover_.Row(); }

 protected:
  void OnSubclassed() override;
  void OnDestroy() override;
  bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;
  bool OnReflectedCommand(int code) override;
  HBRUSH OnReflectedCtlColor(HDC dc, UINT message) override;
  bool OnLButtonDblClk(UINT flags, POINT point) override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnMouseLeave() override;

 private:
  static LRESULT CALLBACK EditorProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  int RowAt(POINT point) const;
  void RepaintRow(int row) const;
  HWND NotifyTarget() const;
  // After an add or insert: the row's data and height, and the selection.
  int FinishRow(int index, RowKind kind, std::uint32_t value);
  void CommitEdit();
  void CancelEdit();
  // Closes the editor without a commit; the text typed is lost.
  void DropEditor();
  const GdiPlusImage& Icon(std::u16string_view file);

  Font font_;
  std::u16string icon_folder_;
  std::map<std::u16string, GdiPlusImage, std::less<>> icons_;
  int row_height_ = 20;
  COLORREF text_ = 0;
  COLORREF selected_text_ = 0;
  COLORREF selection_ = 0;
  Brush background_;
  COLORREF background_colour_ = 0;
  bool icons_shown_ = true;
  bool rename_enabled_ = false;
  HWND notify_target_ = nullptr;
  HWND editor_ = nullptr;
  int editor_row_ = -1;
  RowHover hover_;
  bool tracking_leave_ = false;
};

}  // namespace zk40
