#include "framework/BufferedPaint.h"

namespace zk40 {

BufferedDC::BufferedDC(HDC target, const RECT& rect) : target_(target), rect_(rect), memory_(target) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (!memory_.get() || width <= 0 || height <= 0) return;
  bitmap_.Reset(::CreateCompatibleBitmap(target, width, height));
  if (!bitmap_) return;
  old_bitmap_ = ::SelectObject(memory_.get(), bitmap_.get());
  ::SetViewportOrgEx(memory_.get(), -rect.left, -rect.top, nullptr);
  buffered_ = true;
}

BufferedDC::~BufferedDC() {
  if (!buffered_) return;
  ::SetViewportOrgEx(memory_.get(), 0, 0, nullptr);
  ::BitBlt(target_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top, memory_.get(), 0, 0,
           SRCCOPY);
  ::SelectObject(memory_.get(), old_bitmap_);
}

RECT BufferedPaint::ClientOf(HWND hwnd) {
  RECT r{};
  ::GetClientRect(hwnd, &r);
  return r;
}

BufferedPaint::BufferedPaint(HWND hwnd) : paint_(hwnd), buffer_(paint_.get(), ClientOf(hwnd)) {}

void DrawBitmap(HDC dc, const RECT& dest, HBITMAP bitmap, POINT source_origin) {
  MemoryDC source(dc);
  if (!source.get() || !bitmap) return;
  SelectInDC select(source.get(), bitmap);
  ::BitBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.get(), source_origin.x,
           source_origin.y, SRCCOPY);
}

void DrawParentBackground(HWND child, HDC dc) {
  HWND parent = ::GetParent(child);
  if (!parent) return;
  POINT origin{0, 0};
  ::MapWindowPoints(child, parent, &origin, 1);
  POINT old{};
  ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
  ::SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

}  // namespace zk40
