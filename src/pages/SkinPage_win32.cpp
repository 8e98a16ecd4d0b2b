#include "pages/SkinPage_win32.h"

#include "framework/BufferedPaint.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/MainWindowLayout.h"

namespace zk40 {

bool IsDroppedDialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
  return msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE;
}

bool CSkinPage::CreatePage(const std::u16string& installFolder) {
  install_folder_ = installFolder;
  SIZE size{};
  // A missing picture leaves the page unpainted, never unusable.
  (void)LoadPictureFile(PicturePath(skin_.normal), normal_, size);
  if (!Create()) return false;
  const layout::Point origin = layout::main_window::kPageOrigin;
  const layout::Size page = layout::main_window::kPageSize;
  ::SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, page.width, page.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  return true;
}

std::u16string CSkinPage::PicturePath(std::u16string_view name) const {
  return skin_.folder.empty() ? skin::SkinPath(install_folder_, name)
                              : skin::SkinPath(install_folder_, skin_.folder, name);
}

void CSkinPage::LoadStatePictures(Bitmap& over, Bitmap& down) const {
  SIZE size{};
  (void)LoadPictureFile(PicturePath(skin_.over), over, size);
  (void)LoadPictureFile(PicturePath(skin_.down), down, size);
}

bool CSkinPage::PreTranslateMessage(MSG& msg) { return IsDroppedDialogKey(msg); }

bool CSkinPage::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_SHOWWINDOW && wp != FALSE && !shown_) {
    shown_ = true;
    OnFirstShow();
  }
  return CDialog::OnMessage(msg, wp, lp, result);
}

bool CSkinPage::OnEraseBkgnd(HDC dc) {
  if (normal_) DrawBitmap(dc, GetClientRect(), normal_.get(), POINT{0, 0});
  return true;
}

}  // namespace zk40
