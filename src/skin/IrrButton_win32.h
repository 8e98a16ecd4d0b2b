#pragma once
// CIrrButton: a button of any outline. Its window is the bounding box of its
// region and the region is the window's region, so a click outside the
// outline reaches the window underneath. It draws from four page-size
// pictures (shared between all irregular buttons of a page), copying the
// part under its box. The click is reported on press, posted to its owner
// (else its parent) as WM_COMMAND with wParam 0 and the button's window.

#include <array>
#include <functional>
#include <string>

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "skin/ButtonLook.h"
#include "skin/SharedPictures_win32.h"
#include "skin/SkinTooltip_win32.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40 {

class CIrrButton : public CButton {
 public:
  struct CreateArgs {
    std::u16string caption;
    DWORD style = WS_VISIBLE;  // WS_CHILD and BS_OWNERDRAW are added
    HRGN region = nullptr;     // the outline in parent coordinates; copied
    const CWnd* parent = nullptr;
    UINT id = 0;
    std::function<void()> on_click;
  };
  struct TextColours {
    COLORREF normal = RGB(189, 189, 200);
    COLORREF over = RGB(255, 255, 255);
    COLORREF pressed = RGB(38, 29, 5);
  };

  bool Create(const CreateArgs& args);
  // The four bitmap resources (normal, down, over, disabled) of module (the
  // program when null), shared with every other button that uses them.
  void SetPictures(UINT normal, UINT down, UINT over, UINT disabled, HMODULE module = nullptr);
  void SetPictures(const layout::StatePictureIds& ids, HMODULE module = nullptr);
  void SetPictures(SharedBitmap normal, SharedBitmap down, SharedBitmap over, SharedBitmap disabled);
  void SetTextColours(const TextColours& colours) { colours_ = colours; }
  // Stores latched, repaints when it changed, and ends any capture and hover.
  void SetLatched(bool latched);
  bool GetLatched() const { return latched_; }
  void SetToggleMode(bool show_latched);
  void SetTooltipText(const std::u16string& text, bool active) { tooltip_.SetText(m_hWnd, text, active); }

  // Inside the bounding box and inside the outline (client coordinates).
  [[nodiscard]] bool HitTest(POINT client) const;
  bool Hovering() const { return hovering_; }
  // The bounding box in the parent.
  const skin::Rect& Box() const { return box_; }
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  void OnSubclassed() override;
  bool OnEraseBkgnd(HDC) override { return true; }
  bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;
  // A hollow brush: the version 6 button fills its whole box before asking
  // for the drawing, and where the system ignores the window region for
  // drawing (Wine) that fill would cover the window beside the outline.
  HBRUSH OnReflectedCtlColor(HDC, UINT) override { return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); }
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnLButtonDblClk(UINT flags, POINT point) override { return OnLButtonDown(flags, point); }
  bool OnLButtonUp(UINT flags, POINT point) override;
  bool OnMouseMove(UINT flags, POINT point) override;

 private:
  void TrackHover(POINT point);
  void SetPushed(bool pushed);
  void Redraw() const;
  void DrawLook(const DRAWITEMSTRUCT& item, const Bitmap& picture, const skin::LookChoice& look);

  Region region_;  // relative to the box's top-left corner
  skin::Rect box_;
  skin::Point centre_;
  std::array<SharedBitmap, 4> pictures_;  // by skin::ButtonLook
  TextColours colours_;
  bool latched_ = false;
  bool show_latched_ = false;
  bool hovering_ = false;
  bool pushed_ = false;
  SkinTooltip tooltip_;
};

}  // namespace zk40
