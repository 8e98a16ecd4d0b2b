#pragma once
// CDlgProgress: the bar shown while the upload worker sends the profile to
// the mouse. The main window keeps one for the whole process and opens it
// modally for every upload; the worker's progress (message 1067) moves the
// bar, and 100 closes the dialog half a second later. The user cannot close
// it: Enter, Esc, Space and Alt+F4 are dropped.

#include <functional>

#include "framework/Dialog.h"
#include "settings/SettingsStore.h"
#include "skin/GdiPlus_win32.h"
#include "skin/PngHProgressBar_win32.h"

namespace zk40 {

class CDlgProgress : public CDialog {
 public:
  // The pause between progress 100 and the dialog's end.
  static constexpr UINT kCloseDelayMs = 500;
  static constexpr UINT_PTR kCloseTimer = 1;

  CDlgProgress();

  // Opens the dialog owned by owner and runs it until it closes. on_open runs
  // once the window exists, before any message is handled: the place to give
  // the window to whoever posts the progress and to wake the worker, so that
  // no progress message can come before the window. Returns IDOK when the
  // dialog closed after progress 100, IDCANCEL when Close() ended it, -1
  // when the window could not be made (on_open is then not called).
  INT_PTR RunModal(HWND owner, const SettingsStore& settings, const std::function<void(HWND)>& on_open = {});

  // The dialog's window while it is open, else null.
  HWND Window() const { return GetSafeHwnd(); }
  int Position() const { return bar_.GetSafeHwnd() ? bar_.Position() : 0; }

  // Ends the dialog at once (an upload that failed, or no worker to finish
  // it); nothing happens while it is not open.
  void Close();

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool OnInitDialog() override;
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnTimer(UINT_PTR id) override;
  bool OnClose() override;
  bool OnUserMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void OnDestroy() override;
  // Enter and Esc reach the dialog manager as OK and Cancel: neither ends it.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void BringToForeground() const;

  const SettingsStore* settings_ = nullptr;
  std::function<void(HWND)> on_open_;
  GdiPlusImage normal_;
  GdiPlusImage over_;
  CPngHProgressBar bar_;
};

// Whether the keyboard message is one the progress dialog drops: key-down
// and key-up of Enter, Esc and Space, and Alt+F4.
bool IsDroppedProgressKey(UINT message, WPARAM key);

}  // namespace zk40
