#pragma once
// CSettingDlg: the function chooser, a modal pop-up over the button page in
// which the user picks what one mouse button does, on one of four pages or
// with the disable switch. The chooser changes no settings: it hands its
// result back to the caller.

#include <optional>
#include <string>

#include "pages/SettingPages_win32.h"

namespace zk40 {

class CSettingDlg final : public CSkinnedDialog {
 public:
  CSettingDlg(CWnd* owner, const ChooserContext& context, int button, std::u16string label);

  // The choice once the dialog ended with IDOK.
  const std::optional<ChooserResult>& Result() const { return result_; }
  // The page shown (0 while the disable switch hides them all).
  int VisiblePage() const { return model_.VisiblePage(); }

 protected:
  bool OnInitDialog() override;
  void PaintOver(HDC dc) override;
  void OnOK() override { Confirm(); }
  void OnCancel() override { Close(); }
  bool PreTranslateMessage(MSG& msg) override;

 private:
  void CreateButtons();
  void ShowPage(int page);
  void Route(KeyRouting routing);
  void ToggleDisable();
  void Close();
  void TakeDefault();
  void Confirm();
  void Finish(std::optional<ChooserResult> result);

  const ChooserContext& context_;
  FunctionChooser model_;
  std::optional<ChooserResult> result_;
  CSetting_SingleComboDlg combo_page_;
  CSetting_MacroDlg macro_page_;
  CSetting_BaseDlg basic_page_;
  CSetting_AdvanceDlg advanced_page_;
  std::array<CGDIBitmapBtn*, 4> tabs_{};
  CGDIBitmapBtn* disable_ = nullptr;
};

// Runs the chooser modally over owner for button (0..6) showing its current
// label; the choice, or nothing when the user cancelled or chose nothing.
std::optional<ChooserResult> RunFunctionChooser(CWnd& owner, const ChooserContext& context, int button,
                                                const std::u16string& label);

}  // namespace zk40
