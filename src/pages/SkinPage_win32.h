#pragma once
// A page of the main window: a modeless child dialog from its template,
// placed under the tabs and painted from its skin's Normal picture. Each of
// its pictures is loaded once: Normal, which it keeps, when it is created
// for the page shown first and otherwise once the window is up (or when it
// first shows); Over and Down only while its controls cut their looks from
// them, so that five pages do not hold ten unused pictures.
// Like every page it drops the key-down and key-up of Enter, Esc and Space,
// so that none of them reaches a control or closes anything.

#include <string>

#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "pages/PageContext_win32.h"
#include "skin/PagePictures_win32.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CSkinPage : public CDialog {
 public:
  CSkinPage(UINT templateId, CWnd* parent, const PageContext& context, const layout::PageSkin& skin)
      : CDialog(templateId, parent), context_(context), skin_(skin) {}

  // Creates the page hidden at its place in the main window, with the
  // pictures of install_folder's skin; with_background loads the Normal
  // picture now rather than with LoadBackground.
  [[nodiscard]] bool CreatePage(const std::u16string& installFolder, bool with_background);
  // Loads the Normal picture the page is painted from, unless it has it.
  void LoadBackground();

  // The captions that come from the language texts, set again after a
  // language switch.
  virtual void SetCaptions() {}

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool OnEraseBkgnd(HDC dc) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  // Called once, just before the page is first shown. A page with many
  // controls makes them here, so that the program's start does not wait for
  // pages the user has not opened yet.
  virtual void OnFirstShow() {}
  const PageContext& Context() const { return context_; }
  HBITMAP NormalPicture() const { return pictures_.normal.get(); }
  // The page's pictures for cutting its controls' looks: Normal with Over,
  // Down and, with_image, the GDI+ copy of Normal that sliders and fields
  // cut. ReleaseStatePictures lets go of all but Normal once the controls
  // hold their cuts.
  const PagePictures& LoadStatePictures(bool with_image);
  void ReleaseStatePictures();

 private:
  std::u16string PicturePath(std::u16string_view name) const;

  const PageContext& context_;
  const layout::PageSkin& skin_;
  std::u16string install_folder_;
  PagePictures pictures_;
  bool shown_ = false;
};

// Enter, Esc or Space pressed or released: the keys pages and the main window drop.
bool IsDroppedDialogKey(const MSG& msg);

}  // namespace zk40
