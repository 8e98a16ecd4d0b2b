#include "support/WindowCapture_win32.h"

#include <fstream>

namespace zk40::test {

Capture CaptureWindow(HWND hwnd) {
  Capture capture;
  RECT client{};
  GetClientRect(hwnd, &client);
  capture.width = client.right;
  capture.height = client.bottom;
  if (capture.width <= 0 || capture.height <= 0) return capture;
  HDC window = GetDC(hwnd);
  HDC memory = CreateCompatibleDC(window);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, capture.width, capture.height, window, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* raw = static_cast<const std::uint32_t*>(bits);
  capture.pixels.resize(static_cast<std::size_t>(capture.width * capture.height));
  for (std::size_t i = 0; i < capture.pixels.size(); ++i) {
    const std::uint32_t p = raw[i];
    capture.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(hwnd, window);
  return capture;
}

bool SaveBmp(const Capture& capture, const std::string& path) {
  const int rowBytes = (capture.width * 3 + 3) & ~3;
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * capture.height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageBytes;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = capture.width;
  header.biHeight = capture.height;  // bottom-up
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = imageBytes;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  std::vector<char> row(static_cast<std::size_t>(rowBytes), 0);
  for (int y = capture.height - 1; y >= 0; --y) {
    for (int x = 0; x < capture.width; ++x) {
      const COLORREF c = capture.At(x, y);
      row[static_cast<std::size_t>(x * 3)] = static_cast<char>(GetBValue(c));
      row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>(GetGValue(c));
      row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>(GetRValue(c));
    }
    out.write(row.data(), rowBytes);
  }
  return static_cast<bool>(out);
}

}  // namespace zk40::test
