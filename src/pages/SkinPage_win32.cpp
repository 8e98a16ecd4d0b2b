#include "pages/SkinPage_win32.h"

#include "framework/BufferedPaint.h"
#include "skin/PictureLoading_win32.h"
#include "skin/SkinPaths.h"
#include "skin/layout/MainWindowLayout.h"

namespace zk40 {
namespace {

// A missing picture leaves the page or its controls unpainted, never unusable.
void LoadOnce(const std::u16string& path, Bitmap& picture) {
  if (picture) return;
  SIZE size{};
  (void)LoadPictureFile(path, picture, size);
}

}  // namespace

bool IsDroppedDialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) return false;
  return msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE;
}

bool CSkinPage::CreatePage(const std::u16string& installFolder, bool with_background) {
  install_folder_ = installFolder;
  if (with_background) LoadBackground();
  if (!Create()) return false;
  const layout::Point origin = layout::main_window::kPageOrigin;
  const layout::Size page = layout::main_window::kPageSize;
  ::SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, page.width, page.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  return true;
}

void CSkinPage::LoadBackground() { LoadOnce(PicturePath(skin_.normal), pictures_.normal); }

std::u16string CSkinPage::PicturePath(std::u16string_view name) const {
  return skin_.folder.empty() ? skin::SkinPath(install_folder_, name)
                              : skin::SkinPath(install_folder_, skin_.folder, name);
}

const PagePictures& CSkinPage::LoadStatePictures(bool with_image) {
  LoadBackground();
  LoadOnce(PicturePath(skin_.over), pictures_.over);
  LoadOnce(PicturePath(skin_.down), pictures_.down);
  if (with_image && !pictures_.normal_image) pictures_.normal_image = LoadPngFile(PicturePath(skin_.normal));
  return pictures_;
}

void CSkinPage::ReleaseStatePictures() {
  pictures_.over.Reset();
  pictures_.down.Reset();
  pictures_.normal_image.Reset();
}

bool CSkinPage::PreTranslateMessage(MSG& msg) { return IsDroppedDialogKey(msg); }

bool CSkinPage::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_SHOWWINDOW && wp != FALSE && !shown_) {
    shown_ = true;
    LoadBackground();
    OnFirstShow();
  }
  return CDialog::OnMessage(msg, wp, lp, result);
}

bool CSkinPage::OnEraseBkgnd(HDC dc) {
  if (NormalPicture()) DrawBitmap(dc, GetClientRect(), NormalPicture(), POINT{0, 0});
  return true;
}

}  // namespace zk40
