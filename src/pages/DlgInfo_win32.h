#pragma once
// CDlgInfo: the program's own message window (the notice). 330 x 160, a
// title, the message, OK and optionally Cancel, and a close box; a notice
// with a countdown closes itself after about six seconds. ShowNotice and
// ShowCountdownNotice are how the rest of the program uses it, and
// DialogNotifier hands it to the core.

#include <array>
#include <string>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "platform/CountdownNotifier.h"
#include "platform/UserNotifier.h"
#include "settings/SettingsStore.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/layout/LayoutTypes.h"

namespace zk40 {

inline constexpr int kNoticeOk = 1;
inline constexpr int kNoticeCancel = 2;

struct NoticeOptions {
  std::u16string text;
  bool with_cancel = false;
  // Closes by itself after the countdown (never together with Cancel).
  bool countdown = false;
  // ui_is_chinese == 1: the captions and the title in Chinese.
  bool chinese = false;
};

class CDlgInfo : public CDialog {
 public:
  static constexpr UINT_PTR kCountdownTimer = 2321;
  static constexpr int kCountdownSeconds = 5;

  explicit CDlgInfo(NoticeOptions options, HWND owner = nullptr);

  // Runs the notice modally: kNoticeOk for OK, kNoticeCancel for Cancel, the
  // close box, the end of the countdown, any other close, and for a notice
  // that could not be shown at all.
  int Run();

 protected:
  bool OnInitDialog() override;
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnTimer(UINT_PTR id) override;
  bool OnClose() override;
  void OnOK() override { EndDialog(kNoticeOk); }
  void OnCancel() override { EndDialog(kNoticeCancel); }

 private:
  void CreateButton(CGDIBitmapBtn& button, const layout::Rect& rect, const std::u16string& caption, int result);
  void SetOkCaption(const std::u16string& caption);
  std::u16string CountdownCaption() const;

  NoticeOptions options_;
  int seconds_ = kCountdownSeconds;
  std::array<Bitmap, 3> pictures_;  // normal (the background), over, down
  CGDIBitmapBtn close_box_;
  CGDIBitmapBtn ok_;
  CGDIBitmapBtn cancel_;
};

// A notice without countdown; returns kNoticeOk or kNoticeCancel. The
// language of the captions follows settings.ui_is_chinese.
int ShowNotice(HWND owner, const SettingsStore& settings, const std::u16string& text, bool withCancel);

// A notice with OK only that closes itself after the countdown.
void ShowCountdownNotice(HWND owner, const SettingsStore& settings, const std::u16string& text);

// The notices for the core: ShowNotice and the countdown notice through the
// windows above, message boxes through the system's message box. The owner
// may change once the main window exists.
class DialogNotifier final : public UserNotifier, public CountdownNotifier {
 public:
  explicit DialogNotifier(const SettingsStore& settings, HWND owner = nullptr) : settings_(settings), owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  bool ShowNotice(const std::u16string& text, bool withCancel) override;
  void ShowMessageBox(const std::u16string& text, const std::u16string& caption) override;
  void ShowCountdownNotice(const std::u16string& text) override;

 private:
  const SettingsStore& settings_;
  HWND owner_;
};

}  // namespace zk40
