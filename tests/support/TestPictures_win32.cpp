#include "support/TestPictures_win32.h"

#include <vector>

#include "support/WindowCapture_win32.h"

namespace zk40::test {
namespace {

bool PngEncoder(CLSID& clsid) {
  UINT count = 0, bytes = 0;
  if (gdip::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return false;
  std::vector<BYTE> buffer(bytes);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (gdip::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring(codecs[i].MimeType) == L"image/png") {
      clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

Bitmap MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colour) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      pixels[static_cast<std::size_t>(y * width + x)] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  WindowDC screen(nullptr);
  Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  SetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  return bitmap;
}

Bitmap SolidBitmap(int width, int height, COLORREF colour) {
  return MakeBitmap(width, height, [colour](int, int) { return colour; });
}

GdiPlusImage MakeArgbImage(int width, int height, const std::function<ARGB(int x, int y)>& argb) {
  GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Gdiplus::Ok) {
    return {};
  }
  Gdiplus::GpRect all{0, 0, width, height};
  Gdiplus::BitmapData data{};
  if (gdip::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data) ==
      Gdiplus::Ok) {
    for (int y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<ARGB*>(static_cast<BYTE*>(data.Scan0) + y * data.Stride);
      for (int x = 0; x < width; ++x) row[x] = argb(x, y);
    }
    gdip::GdipBitmapUnlockBits(bitmap, &data);
  }
  return GdiPlusImage(bitmap);
}

bool SaveBitmapFile(HBITMAP bitmap, const std::u16string& path) {
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof info, &info)) return false;
  Capture capture;
  capture.width = info.bmWidth;
  capture.height = info.bmHeight;
  for (int y = 0; y < capture.height; ++y) {
    for (int x = 0; x < capture.width; ++x) capture.pixels.push_back(PixelOf(bitmap, x, y));
  }
  std::string narrow;
  for (char16_t c : path) narrow += static_cast<char>(c);  // test paths are ASCII
  return SaveBmp(capture, narrow);
}

bool SavePngFile(const GdiPlusImage& image, const std::u16string& path) {
  CLSID png{};
  return image && PngEncoder(png) &&
         gdip::GdipSaveImageToFile(image.get(), reinterpret_cast<const WCHAR*>(path.c_str()), &png, nullptr) ==
             Gdiplus::Ok;
}

std::string PngBytes(const GdiPlusImage& image) {
  CLSID png{};
  IStream* stream = nullptr;
  if (!image || !PngEncoder(png) || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return {};
  std::string bytes;
  if (gdip::GdipSaveImageToStream(image.get(), stream, &png, nullptr) == Gdiplus::Ok) {
    HGLOBAL block = nullptr;
    GetHGlobalFromStream(stream, &block);
    STATSTG stat{};
    stream->Stat(&stat, STATFLAG_NONAME);
    const auto* data = static_cast<const char*>(GlobalLock(block));
    bytes.assign(data, static_cast<std::size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(block);
  }
  stream->Release();
  return bytes;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  WindowDC screen(nullptr);
  MemoryDC memory(screen.get());
  SelectInDC select(memory.get(), bitmap);
  return GetPixel(memory.get(), x, y);
}

ARGB PixelOf(const GdiPlusImage& image, int x, int y) {
  ARGB argb = 0;
  if (image.AsBitmap()) gdip::GdipBitmapGetPixel(image.AsBitmap(), x, y, &argb);
  return argb;
}

}  // namespace zk40::test
