#pragma once
// What the skinned push buttons (the bitmap button and the colour swatch)
// share: creation as an owner-drawn child with id 0 and no tab stop, a
// tooltip, no background erase, and hover tracking through the mouse
// capture; every mouse move is passed on to the parent so pages can show
// hints over their buttons.

#include <string>

#include "framework/Controls.h"
#include "skin/SkinTooltip_win32.h"

namespace zk40 {

// The caption font of the skinned buttons ("MS Shell Dlg", height 14, light),
// made once for the process.
HFONT ButtonCaptionFont();

// Passes a mouse move over a skinned button on to its parent, in the
// parent's coordinates, so that the parent can post the button's hint.
void PassMouseMoveToParent(HWND button, UINT flags, POINT point);

class CSkinButton : public CButton {
 public:
  // Empty caption, child, visible, owner-drawn, id 0; rect and parent from
  // args, and its click callback if one is given.
  bool Create(const CreateArgs& args);

  void SetTooltipText(const std::u16string& text, bool active) { tooltip_.SetText(m_hWnd, text, active); }
  bool Hovering() const { return hovering_; }
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  void OnSubclassed() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnKillFocus(HWND next) override;
  bool OnCaptureChanged(HWND gaining) override;
  // The look may follow the hover state: called after each mouse move and
  // whenever hovering ends.
  virtual void OnHoverRepaint() {}

 private:
  void EndHover();

  bool hovering_ = false;
  SkinTooltip tooltip_;
};

}  // namespace zk40
