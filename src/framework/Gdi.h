#pragma once
// Owners of GDI objects and device contexts: each releases what it holds
// exactly once, on every path.

#include <windows.h>

#include <utility>

namespace zk40 {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) ::DeleteObject(handle_);
    handle_ = handle;
  }
  // Gives the object up, to a taker that deletes it (a window takes its region).
  [[nodiscard]] Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
  ~PaintDC() { ::EndPaint(hwnd_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }
  const RECT& Dirty() const { return paint_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// GetDC / ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDC() { if (dc_) ::ReleaseDC(hwnd_, dc_); }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A memory DC compatible with another, deleted at the end.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible) : dc_(::CreateCompatibleDC(compatible)) {}
  ~MemoryDC() { if (dc_) ::DeleteDC(dc_); }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a DC for one scope and puts the old one back.
class SelectInDC {
 public:
  SelectInDC(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ~SelectInDC() { ::SelectObject(dc_, old_); }
  SelectInDC(const SelectInDC&) = delete;
  SelectInDC& operator=(const SelectInDC&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace zk40
