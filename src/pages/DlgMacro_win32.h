#pragma once
// The macro page: the macro list of the chosen game group, the step editor
// and the recorder. Every decision lives in MacroEditor; this window forwards
// clicks, list notifications, key events and its timer there and then shows
// the editor's state. The main window asks it to fill its list at start-up,
// to commit its loop count before an upload, to stop a recording when
// another tab is chosen and to close the game menu.

#include <array>

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "framework/OwnedControls.h"
#include "macros/MacroEditor.h"
#include "pages/ListBoxEx_win32.h"
#include "pages/MacroStepView.h"
#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgMacro final : public CSkinPage, private RecorderRouting {
 public:
  CDlgMacro(CWnd* parent, const PageContext& context);

  // Lists the macros of the current game group (start-up).
  void FillMacroList();
  // Writes a typed loop count into the edited macro before an upload.
  void CommitLoopCount();
  bool IsRecording() const { return editor_.Recording(); }
  // A running recording stops and is saved.
  void StopRecording();
  // Closes the game menu if it is open.
  static void CloseGameMenu();
  void SetCaptions() override;

  // What the page shows, for tests that look into the running program.
  const MacroEditor& Editor() const { return editor_; }

 protected:
  void OnFirstShow() override;
  void OnDestroy() override;
  bool OnEraseBkgnd(HDC dc) override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnTimer(UINT_PTR id) override;
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnCtlColor(HDC dc, HWND control, UINT message, HBRUSH& brush) override;

 private:
  void RouteKeysToPage() override;
  void StopRouting() override;

  void CreateControls();
  CEdit& AddEdit(CEdit& edit, const RECT& rect, int id, int limit, DWORD style);
  void CreateLists();
  bool Chinese() const;

  // Shows the editor's state: rows whose revision changed, selections,
  // captions, the edit controls and the budget line.
  void Refresh();
  void RefreshMacroRows();
  void RefreshStepRows();
  void RefreshEditControls();
  void RefreshBudget();
  void SetEditText(CEdit& edit, const std::u16string& text);
  void OnNotifyButton(HWND button, bool pressed);
  void OpenGameMenu();
  void StartNewMacro();

  MacroEditor editor_;
  OwnedControls controls_;
  Brush edit_brush_;
  Font budget_font_;
  CListBoxEx macro_list_;
  CListBoxEx step_list_;
  CEdit loop_edit_;
  CEdit key_edit_;
  CEdit delay_edit_;
  CGDIBitmapBtn* game_button_ = nullptr;
  CGDIBitmapBtn* record_button_ = nullptr;
  CGDIBitmapBtn* delay_toggle_ = nullptr;
  CGDIBitmapBtn* key_choice_ = nullptr;
  CGDIBitmapBtn* key_ok_ = nullptr;
  CGDIBitmapBtn* delay_choice_ = nullptr;
  CGDIBitmapBtn* delay_ok_ = nullptr;
  // New macro, delete macro, insert, delete step, modify: off while recording.
  std::array<CGDIBitmapBtn*, 5> edit_buttons_{};
  std::array<CGDIBitmapBtn*, 3> mouse_buttons_{};
  unsigned shown_macro_revision_ = ~0u;
  unsigned shown_steps_revision_ = ~0u;
  MacroSteps shown_steps_;  // the rows the step list holds
  MacroBudget shown_budget_{0, 0, -1, -1};
  // EN_CHANGE from the page's own writes is no user edit.
  bool writing_edit_ = false;
  bool shown_refused_ = false;
};

}  // namespace zk40
