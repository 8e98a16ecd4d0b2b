#pragma once
// CIrrButton: a button of any outline. Its window is the bounding box of its
// region and the region is the window's region, so a click outside the
// outline reaches the window underneath. It keeps its own copies of the
// part under its box of four page-size pictures (its looks' cuts); the whole
// pictures are loaded only while a page's buttons take their cuts, once for
// all of them. The click is reported on press, posted to its owner (else its
// parent) as WM_COMMAND with wParam 0 and the button's window.

#include <array>
#include <functional>
#include <span>
#include <string>

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "skin/ButtonLook.h"
#include "skin/PictureCut.h"
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
  // Takes the looks' cuts from page-size pictures (in the parent's
  // coordinates), dropping any earlier ones; a null picture leaves its look
  // to the normal one.
  void CutPictures(HBITMAP normal, HBITMAP down, HBITMAP over, HBITMAP disabled);
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
  void DrawLook(const DRAWITEMSTRUCT& item, std::size_t picture, const skin::LookChoice& look);
  // The cut of look (a skin::ButtonLook) at its place in the box.
  void DrawCut(HDC dc, std::size_t look) const;

  Region region_;  // relative to the box's top-left corner
  skin::Rect box_;
  skin::Point centre_;
  std::array<Bitmap, 4> cuts_;  // by skin::ButtonLook
  // Where each cut lies in the box; pictures of different sizes cut differently.
  std::array<skin::PictureCut, 4> cut_places_{};
  TextColours colours_;
  bool latched_ = false;
  bool show_latched_ = false;
  bool hovering_ = false;
  bool pushed_ = false;
  SkinTooltip tooltip_;
};

// The region of a four-cornered outline, for CreateArgs::region.
Region QuadRegion(const layout::Quad& outline);

// Gives every button its cuts of the state pictures ids, bitmap resources
// of module (the program when null): each picture is loaded once for all the
// buttons and freed again when they hold their cuts.
void CutIrregularPictures(std::span<CIrrButton* const> buttons, const layout::StatePictureIds& ids,
                          HMODULE module = nullptr);

}  // namespace zk40
