#include "pages/DlgInfo_win32.h"

#include <resource.h>

#include "framework/BufferedPaint.h"
#include "pages/DialogPlacement_win32.h"
#include "platform/MessageBoxNotifier_win32.h"
#include "platform/WideText_win32.h"
#include "skin/CentredText_win32.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinButton_win32.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF NoticeTextColour() { return static_cast<COLORREF>(layout::notice::kText.ToColorRef()); }

}  // namespace

CDlgInfo::CDlgInfo(NoticeOptions options, HWND owner) : CDialog(IDD_INFO, nullptr), options_(std::move(options)) {
  // A countdown notice has no Cancel: it answers for the user when it runs out.
  if (options_.countdown) options_.with_cancel = false;
  SetOwnerWindow(owner);
}

int CDlgInfo::Run() { return DoModal() == kNoticeOk ? kNoticeOk : kNoticeCancel; }

bool CDlgInfo::OnInitDialog() {
  SetWindowText(u"OstrelZK40InfoDlg");
  const layout::NoticePictureIds ids = options_.with_cancel ? layout::kNoticeWithCancel : layout::kNoticeWithoutCancel;
  pictures_[0] = LoadBitmapResource(static_cast<UINT>(ids.normal));
  pictures_[1] = LoadBitmapResource(static_cast<UINT>(ids.over));
  pictures_[2] = LoadBitmapResource(static_cast<UINT>(ids.down));
  SIZE size = BitmapSize(pictures_[0].get());
  // Without its picture the notice keeps its size, so its text and buttons
  // are still there to read and press.
  if (size.cx <= 0 || size.cy <= 0) size = SIZE{layout::notice::kSize.width, layout::notice::kSize.height};
  CentreDialog(m_hWnd, size.cx, size.cy);

  const bool chinese = options_.chinese;
  CreateButton(close_box_, layout::notice::kCloseBox, u"", kNoticeCancel);
  CreateButton(ok_, options_.with_cancel ? layout::notice::kOkWithCancel : layout::notice::kOkAlone,
               chinese ? u"确定" : u"OK", kNoticeOk);
  if (options_.with_cancel) CreateButton(cancel_, layout::notice::kCancel, chinese ? u"取消" : u"Cancel", kNoticeCancel);

  if (options_.countdown) {
    SetOkCaption(CountdownCaption());
    PlaceDialogBottomRight(m_hWnd, size.cx, size.cy);
    seconds_ = kCountdownSeconds;
    SetTimer(kCountdownTimer, 1000);
  }
  SetForegroundWindow(m_hWnd);
  return true;
}

void CDlgInfo::CreateButton(CGDIBitmapBtn& button, const layout::Rect& rect, const std::u16string& caption,
                            int result) {
  CButton::CreateArgs args;
  args.rect = ToRect(rect);
  args.parent = this;
  args.on_click = [this, result] { EndDialog(result); };
  if (!button.Create(args)) return;
  button.SetStatePictures(args.rect, pictures_[0].get(), pictures_[1].get(), pictures_[2].get(), pictures_[0].get());
  button.SetTextColours({NoticeTextColour(), kWhite, kWhite});
  button.SetCaption(caption);
  // Owner-drawn: the window text is not drawn, but tells what the button is.
  button.SetWindowText(caption);
}

void CDlgInfo::SetOkCaption(const std::u16string& caption) {
  ok_.SetCaption(caption);
  ok_.SetWindowText(caption);
}

std::u16string CDlgInfo::CountdownCaption() const {
  const std::string digits = std::to_string(seconds_);
  std::u16string caption = options_.chinese ? u"确定 (" : u"OK (";
  caption.append(digits.begin(), digits.end());
  caption += u"s)";
  return caption;
}

bool CDlgInfo::OnTimer(UINT_PTR id) {
  if (id != kCountdownTimer) return false;
  if (seconds_ <= 0) {
    KillTimer(kCountdownTimer);
    PostMessage(WM_CLOSE);
    Sleep(100);
  }
  SetOkCaption(CountdownCaption());
  --seconds_;
  return true;
}

bool CDlgInfo::OnClose() {
  KillTimer(kCountdownTimer);
  EndDialog(kNoticeCancel);
  return true;
}

bool CDlgInfo::OnPaint() {
  BufferedPaint paint(m_hWnd);
  HDC dc = paint.get();
  const RECT& client = paint.Client();
  if (pictures_[0]) {
    DrawBitmap(dc, client, pictures_[0].get(), POINT{0, 0});
  } else {
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  SelectInDC selectFont(dc, ButtonCaptionFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, NoticeTextColour());
  DrawCentredWrappedText(dc, options_.text, ToRect(layout::notice::kMessage));
  RECT title = ToRect(layout::notice::kTitle);
  const std::u16string titleText = options_.chinese ? u"提示" : u"Tips";
  DrawTextW(dc, Wide(titleText), -1, &title, DT_SINGLELINE | DT_NOPREFIX);
  return true;
}

int ShowNotice(HWND owner, const SettingsStore& settings, const std::u16string& text, bool withCancel) {
  CDlgInfo notice({text, withCancel, false, settings.ui_is_chinese == 1}, owner);
  return notice.Run();
}

void ShowCountdownNotice(HWND owner, const SettingsStore& settings, const std::u16string& text) {
  CDlgInfo notice({text, false, true, settings.ui_is_chinese == 1}, owner);
  notice.Run();
}

bool DialogNotifier::ShowNotice(const std::u16string& text, bool withCancel) {
  return zk40::ShowNotice(owner_, settings_, text, withCancel) == kNoticeOk;
}

void DialogNotifier::ShowMessageBox(const std::u16string& text, const std::u16string& caption) {
  MessageBoxNotifier(owner_).ShowMessageBox(text, caption);
}

void DialogNotifier::ShowCountdownNotice(const std::u16string& text) {
  zk40::ShowCountdownNotice(owner_, settings_, text);
}

}  // namespace zk40
