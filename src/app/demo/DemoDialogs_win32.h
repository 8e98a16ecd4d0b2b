#pragma once
// A small program of the window framework: a borderless dialog holding a
// modeless child page with an owner-drawn button that handles its own click
// through reflection. Used to see the framework at work and by its tests.

#include "framework/BufferedPaint.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "resource.h"

namespace zk40 {

// Colours of the demo, also read back from screenshots by the tests.
inline constexpr COLORREF kDemoBackground = RGB(28, 33, 40);
inline constexpr COLORREF kDemoPage = RGB(44, 52, 63);
inline constexpr COLORREF kDemoButton = RGB(210, 80, 40);

class CDemoButton final : public CButton {
 public:
  int clicks = 0;

 protected:
  bool OnReflectedCommand(int code) override;
  bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;
};

class CDemoPage final : public CDialog {
 public:
  explicit CDemoPage(CWnd* parent) : CDialog(IDD_PAGE_BUTTONS, parent) {}
  CDemoButton button;
  int swallowed_keys = 0;
  int commands_seen = 0;

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool OnInitDialog() override;
  bool OnEraseBkgnd(HDC dc) override;
  bool OnCommand(int id, int code, HWND control) override;
};

class CDemoDialog final : public CDialog {
 public:
  CDemoDialog() : CDialog(IDD_MAIN, nullptr), page(this) {}
  CDemoPage page;

 protected:
  bool OnInitDialog() override;
  bool OnEraseBkgnd(HDC dc) override;
  bool OnPaint() override;
  bool OnClose() override;
  bool OnLButtonDown(UINT flags, POINT point) override;
};

}  // namespace zk40
