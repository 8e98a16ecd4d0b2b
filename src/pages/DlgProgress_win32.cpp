#include "pages/DlgProgress_win32.h"

#include <resource.h>

#include <string>

#include "framework/BufferedPaint.h"
#include "pages/DialogPlacement_win32.h"
#include "platform/WideText_win32.h"
#include "platform/WindowMessages.h"
#include "skin/GdiPlusText_win32.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

namespace {

std::u16string WaitText(bool chinese) {
  return chinese ? u"更新进行中，请稍候..." : u"Updating is in progress, please wait\u2026";
}

Gdiplus::RectF WaitTextBox() {
  const layout::Rect& box = layout::progress::kTextBox;
  return Gdiplus::RectF(static_cast<float>(box.left), static_cast<float>(box.top), static_cast<float>(box.Width()),
                        static_cast<float>(box.Height()));
}

// The text in the system's generic sans-serif font at 8 points, grey, from
// the box's top-left corner. False when GDI+ has no such font (Wine knows
// none when the Windows fonts are missing).
bool DrawWaitTextGdiPlus(HDC dc, const std::u16string& text) {
  return DrawGdiPlusText(dc, text, WaitTextBox(), GdiPlusTextStyle{u"", 8.0f, ARGB{0xFF808080}});
}

// The same text through GDI in the dialog font at 8 points, so that the user
// is told what happens even without GDI+'s font.
void DrawWaitTextGdi(HDC dc, const std::u16string& text) {
  const Font font(CreateFontW(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, L"MS Shell Dlg"));
  SelectInDC selectFont(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(layout::progress::kText.ToColorRef()));
  RECT box = ToRect(layout::progress::kTextBox);
  DrawTextW(dc, Wide(text), -1, &box, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace

bool IsDroppedProgressKey(UINT message, WPARAM key) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      return key == VK_RETURN || key == VK_ESCAPE || key == VK_SPACE;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      return key == VK_F4;
    default:
      return false;
  }
}

CDlgProgress::CDlgProgress() : CDialog(IDD_PROGRESS, nullptr) {}

INT_PTR CDlgProgress::RunModal(HWND owner, const SettingsStore& settings, const std::function<void(HWND)>& on_open) {
  if (GetSafeHwnd()) return -1;  // already open: one upload at a time
  settings_ = &settings;
  on_open_ = on_open;
  SetOwnerWindow(owner);
  const INT_PTR result = DoModal();
  on_open_ = nullptr;
  return result;
}

void CDlgProgress::Close() {
  if (GetSafeHwnd() && IsModal()) EndDialog(IDCANCEL);
}

bool CDlgProgress::OnInitDialog() {
  SetWindowText(u"OstrelZK40ProcessDlg");
  const std::u16string& install = settings_->install_folder;
  normal_ = LoadPngFile(skin::SkinPath(install, layout::kProgressNormal.folder, layout::kProgressNormal.name));
  over_ = LoadPngFile(skin::SkinPath(install, layout::kProgressOver.folder, layout::kProgressOver.name));
  // A missing picture leaves the dialog at its usual size, bar and text intact.
  const int width = normal_ ? normal_.Width() : layout::kProgressNormal.size.width;
  const int height = normal_ ? normal_.Height() : layout::kProgressNormal.size.height;
  CentreDialog(m_hWnd, width, height);

  CPngHProgressBar::CreateArgs args;
  args.rect = ToRect(layout::progress::kBar);
  args.parent = this;
  args.id = layout::progress::kBarId;
  bar_.Create(args);
  bar_.SetPictures(layout::progress::kBar, &normal_, &over_);
  bar_.SetRange(0, 100);
  bar_.SetReadOnly(true);
  bar_.SetPosition(0);

  BringToForeground();
  if (on_open_) on_open_(m_hWnd);
  return true;
}

void CDlgProgress::BringToForeground() const {
  // The system lets a thread take the foreground only from the thread that
  // has it; sharing that thread's input for a moment makes it ours.
  HWND foreground = GetForegroundWindow();
  const DWORD theirs = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  const DWORD ours = GetCurrentThreadId();
  const bool attached = theirs != 0 && theirs != ours && AttachThreadInput(theirs, ours, TRUE);
  SetForegroundWindow(m_hWnd);
  if (attached) AttachThreadInput(theirs, ours, FALSE);
}

bool CDlgProgress::OnPaint() {
  BufferedPaint paint(m_hWnd);
  const RECT& client = paint.Client();
  FillRect(paint.get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  {
    GdiPlusGraphics graphics(paint.get());
    if (graphics) DrawImageAt(graphics.get(), normal_, 0, 0);
  }
  const std::u16string text = WaitText(settings_ && settings_->ui_is_chinese == 1);
  if (!DrawWaitTextGdiPlus(paint.get(), text)) DrawWaitTextGdi(paint.get(), text);
  return true;
}

bool CDlgProgress::OnUserMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg != msg::kUploadProgress) return false;
  const int percent = static_cast<int>(wp);
  bar_.SetPosition(percent);
  Invalidate();
  UpdateWindow();
  // The last step stays on screen for a moment; a timer keeps the dialog
  // answering meanwhile.
  if (percent == 100) SetTimer(kCloseTimer, kCloseDelayMs);
  result = 0;
  return true;
}

bool CDlgProgress::OnTimer(UINT_PTR id) {
  if (id != kCloseTimer) return false;
  KillTimer(kCloseTimer);
  PostMessage(WM_CLOSE);
  return true;
}

bool CDlgProgress::OnClose() {
  KillTimer(kCloseTimer);
  EndDialog(IDOK);
  return true;
}

bool CDlgProgress::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // Alt+F4 and the window menu's Close end here, whatever sent them.
  if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE) {
    result = 0;
    return true;
  }
  return CDialog::OnMessage(msg, wp, lp, result);
}

void CDlgProgress::OnDestroy() {
  KillTimer(kCloseTimer);
  normal_.Reset();
  over_.Reset();
}

bool CDlgProgress::PreTranslateMessage(MSG& msg) {
  if (m_hWnd && (msg.hwnd == m_hWnd || IsChild(m_hWnd, msg.hwnd)) && IsDroppedProgressKey(msg.message, msg.wParam))
    return true;
  return CDialog::PreTranslateMessage(msg);
}

}  // namespace zk40
