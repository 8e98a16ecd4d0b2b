#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zk40::test {

// The pixels of a window's client area as drawn on screen (child controls
// included), read with BitBlt from the window's DC.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;  // row-major, top row first
  COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Capture CaptureWindow(HWND hwnd);

// Writes the capture as a 24-bit BMP file; false when it cannot be written.
bool SaveBmp(const Capture& capture, const std::string& path);

}  // namespace zk40::test
