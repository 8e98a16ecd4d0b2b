#pragma once
// Flicker-free drawing: everything goes into an off-screen bitmap of the
// area's size and reaches the screen in one copy. Drawing coordinates are
// those of the target DC, so a control draws the same code either way.

#include <windows.h>

#include "framework/Gdi.h"

namespace zk40 {

class BufferedDC {
 public:
  // rect: the area of target to cover, in target's coordinates.
  BufferedDC(HDC target, const RECT& rect);
  // Copies the drawing to the target.
  ~BufferedDC();
  BufferedDC(const BufferedDC&) = delete;
  BufferedDC& operator=(const BufferedDC&) = delete;

  // The DC to draw on; the target itself when no off-screen bitmap could be
  // made (drawing then still works, only unbuffered).
  HDC get() const { return buffered_ ? memory_.get() : target_; }
  const RECT& Area() const { return rect_; }

 private:
  HDC target_;
  RECT rect_;
  MemoryDC memory_;
  Bitmap bitmap_;
  HGDIOBJ old_bitmap_ = nullptr;
  bool buffered_ = false;
};

// WM_PAINT through a BufferedDC covering the whole client area.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND hwnd);
  HDC get() const { return buffer_.get(); }
  const RECT& Client() const { return buffer_.Area(); }

 private:
  static RECT ClientOf(HWND hwnd);
  PaintDC paint_;
  BufferedDC buffer_;
};

// Copies dest's size of bitmap, from source_origin on, to dest of dc.
void DrawBitmap(HDC dc, const RECT& dest, HBITMAP bitmap, POINT source_origin);

// Lets the parent of child paint its client area into dc, shifted so that
// dc shows what lies under child: the background of a control that is not
// rectangular or not opaque. The parent answers WM_PRINTCLIENT.
void DrawParentBackground(HWND child, HDC dc);

}  // namespace zk40
