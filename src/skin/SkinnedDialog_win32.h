#pragma once
// A dialog drawn from its three skin pictures: the Normal picture is its
// background, its skinned buttons are cut from all three at their
// rectangles, and the texts it paints go over the background in the skin's
// caption font. The chooser and its pages are such dialogs.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/OwnedControls.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/PagePictures_win32.h"
#include "skin/layout/LayoutTypes.h"

namespace zk40 {

inline RECT ToRect(const layout::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// One line of text in the skin's caption font, transparent, vertically
// centred and cut with an ellipsis; centred across rect when centred is set.
void DrawSkinText(HDC dc, const layout::Rect& rect, const std::u16string& text, COLORREF colour,
                  bool centred = false);

class CSkinnedDialog : public CDialog {
 public:
  using CDialog::CDialog;

 protected:
  // The pictures must be set before any button is added.
  void SetPictures(PagePictures pictures) { pictures_ = std::move(pictures); }
  const PagePictures& Pictures() const { return pictures_; }
  // A skinned button at rect (client coordinates) that calls on_click.
  CGDIBitmapBtn& AddButton(const layout::Rect& rect, std::function<void()> on_click);
  // Keeps a control of the dialog alive as long as the dialog object.
  template <typename Control>
  Control& Keep() {
    return controls_.Make<Control>();
  }

  // Draws over the background (texts, the current key's name).
  virtual void PaintOver(HDC) {}
  bool OnPaint() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  PagePictures pictures_;
  OwnedControls controls_;
};

}  // namespace zk40
