#pragma once
// The four pages of the function chooser, each a child dialog drawn from its
// own skin pictures: the key combination (modifier boxes and the key the
// hooks captured), the macros of a game group, the basic functions, and the
// host actions with their paths. Each page shows the state of the chooser's
// model and forwards what the user does to it.

#include <array>
#include <functional>

#include "resource.h"

#include "i18n/StringTable.h"
#include "pages/FunctionChooser.h"
#include "pages/HostActionBrowse_win32.h"
#include "pages/ListBoxEx_win32.h"
#include "platform/KeyboardLayout.h"
#include "settings/SettingsStore.h"
#include "shell/HookState.h"
#include "skin/SkinnedDialog_win32.h"

namespace zk40 {

// What the chooser's windows read: the store (macros, install folder,
// interface language), the interface texts, the hooks that bring key events
// and the keyboard layout that names keys.
struct ChooserContext {
  const SettingsStore& store;
  const StringTable& strings;
  HookState& hooks;
  const KeyboardLayout& keyboard;
};

class CSettingPage : public CSkinnedDialog {
 public:
  CSettingPage(UINT templateId, CWnd* parent, const ChooserContext& context, FunctionChooser& model,
               const layout::PageSkin& skin)
      : CSkinnedDialog(templateId, parent), context_(context), model_(model), skin_(skin) {}
  // Creates the page hidden at place (the chooser's client coordinates).
  [[nodiscard]] bool CreatePage(const RECT& place);

 protected:
  bool OnInitDialog() override;
  virtual void CreateControls() = 0;
  // Enter, Escape and Space do not reach the page's controls.
  bool PreTranslateMessage(MSG& msg) override;

  const ChooserContext& context_;
  FunctionChooser& model_;

 private:
  const layout::PageSkin& skin_;
};

class CSetting_SingleComboDlg final : public CSettingPage {
 public:
  CSetting_SingleComboDlg(CWnd* parent, const ChooserContext& context, FunctionChooser& model);

 protected:
  void CreateControls() override;
  void PaintOver(HDC dc) override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void ShowBoxes();
  std::array<CGDIBitmapBtn*, 4> boxes_{};
};

// The game list and the macro list of the chosen game.
class CSetting_MacroDlg final : public CSettingPage {
 public:
  CSetting_MacroDlg(CWnd* parent, const ChooserContext& context, FunctionChooser& model);

 protected:
  void CreateControls() override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void FillMacroList();
  CListBoxEx games_;
  CListBoxEx macros_;
};

class CSetting_BaseDlg final : public CSettingPage {
 public:
  CSetting_BaseDlg(CWnd* parent, const ChooserContext& context, FunctionChooser& model);

 protected:
  void CreateControls() override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  CListBoxEx list_;
};

// A path of the host action page: shows its text and asks for a path on a
// double click; a single click does nothing.
class CPathField final : public CWnd {
 public:
  bool Create(const RECT& rect, const CWnd* parent, std::function<void()> on_double_click);
  void SetPath(const std::u16string& path);

 protected:
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnLButtonDblClk(UINT flags, POINT point) override;

 private:
  std::u16string path_;
  std::function<void()> on_double_click_;
};

class CSetting_AdvanceDlg final : public CSettingPage {
 public:
  CSetting_AdvanceDlg(CWnd* parent, const ChooserContext& context, FunctionChooser& model);

 protected:
  void CreateControls() override;
  void PaintOver(HDC dc) override;

 private:
  void Browse(int row);
  void ShowRows();
  std::array<CGDIBitmapBtn*, kHostActionRows> switches_{};
  std::array<CPathField*, kHostActionRows> paths_{};
};

// Enter, Escape and Space may be the key being captured: in the chooser they
// neither confirm, close nor press anything.
bool SwallowsChooserKey(const MSG& msg);

// Lists of the chooser: white rows, the selection in the skin's accent.
void StyleChooserList(CListBoxEx& list, const ChooserContext& context);

}  // namespace zk40
