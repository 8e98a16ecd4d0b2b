#pragma once
// CWndPopup: a borderless, partly transparent popup drawn as a layered
// window. Its frame picture is nine-sliced under everything; subclasses draw
// their content with GDI on a layer keyed on magenta (so GDI text and fills
// need no alpha) and their pictures with GDI+ on top. It closes itself when
// it loses activation, telling its parent, and the object deletes itself
// once its window is gone: create it with new.

#include <cstdint>

#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/GdiPlus_win32.h"

namespace zk40 {

class CWndPopup : public CWnd {
 public:
  // A topmost popup tool window at rect (screen coordinates, left, top,
  // right, bottom) whose notifications go to parent as notify_message; the
  // size becomes whatever FillItems sets.
  bool Create(HWND parent, const RECT& rect, UINT notify_message);
  // The frame picture, from a PNG resource of the program; without one the
  // popup draws a plain frame in the accent colour.
  void SetFramePicture(UINT png_resource_id, HMODULE module = nullptr);
  void SetFramePicture(GdiPlusImage picture) { frame_ = std::move(picture); }
  // Sends message to the parent; false when there is none.
  bool Notify(UINT message, WPARAM wp, LPARAM lp) const;
  // Draws the popup again and puts it on the screen.
  void Draw();

 protected:
  // In drawing order: content on the colour-key layer, pictures on the final layer.
  virtual void DrawContent(HDC) {}
  virtual void DrawPictures(GpGraphics*) {}
  // Once, when the window is created; sets the size with SetClientSize.
  virtual void FillItems() {}
  // Mouse events in client coordinates; true asks for a redraw.
  virtual bool MouseMoved(POINT) { return false; }
  virtual bool ButtonPressed(POINT) { return false; }
  virtual bool ButtonReleased(POINT) { return false; }

  void SetClientSize(int width, int height);
  HFONT PopupFont() const { return font_.get(); }
  UINT NotifyMessage() const { return notify_message_; }

  bool OnCreate(const CREATESTRUCTW&) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnMouseLeave() override;
  bool OnLButtonDown(UINT flags, POINT point) override;
  bool OnLButtonUp(UINT flags, POINT point) override;
  bool OnClose() override;
  void PostNcDestroy() override { delete this; }

 private:
  POINT CursorInClient() const;

  HWND parent_ = nullptr;
  UINT notify_message_ = 0;
  POINT position_{0, 0};
  SIZE size_{0, 0};
  GdiPlusImage frame_;
  Font font_;
  bool tracking_ = false;
  bool pressed_ = false;
  bool capturing_ = false;
  bool closing_ = false;
};

}  // namespace zk40
