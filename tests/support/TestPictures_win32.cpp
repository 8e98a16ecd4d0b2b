#include "support/TestPictures_win32.h"

#include <fstream>
#include <utility>
#include <vector>

#include "skin/PictureLoading_win32.h"
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
  SIZE size{};
  const std::vector<skin::Argb> pixels = BitmapPixels(bitmap, size);
  if (pixels.empty()) return false;
  Capture capture;
  capture.width = size.cx;
  capture.height = size.cy;
  for (skin::Argb p : pixels) capture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
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

PictureLibrary::PictureLibrary(const std::filesystem::path& folder) : path_(folder / "pictures.dll") {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::error_code error;
  std::filesystem::copy_file(std::filesystem::path(exe).parent_path() / "HidParse.dll", path_, error);
  if (!error) update_ = BeginUpdateResourceW(path_.wstring().c_str(), FALSE);
}

PictureLibrary::~PictureLibrary() {
  if (update_) EndUpdateResourceW(update_, TRUE);
  if (module_) FreeLibrary(module_);
}

bool PictureLibrary::AddBitmap(UINT id, HBITMAP bitmap) {
  // A bitmap resource is a BMP file without its file header.
  const std::filesystem::path bmp = path_.parent_path() / ("res" + std::to_string(id) + ".bmp");
  if (!update_ || !SaveBitmapFile(bitmap, bmp.u16string())) return false;
  std::ifstream in(bmp, std::ios::binary);
  std::string dib((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (dib.size() <= sizeof(BITMAPFILEHEADER)) return false;
  dib.erase(0, sizeof(BITMAPFILEHEADER));
  return UpdateResourceW(update_, RT_BITMAP, MAKEINTRESOURCEW(id), 0, dib.data(), static_cast<DWORD>(dib.size()));
}

bool PictureLibrary::AddPng(UINT id, const GdiPlusImage& image) {
  std::string png = PngBytes(image);
  return update_ && !png.empty() &&
         UpdateResourceW(update_, L"PNG", MAKEINTRESOURCEW(id), 0, png.data(), static_cast<DWORD>(png.size()));
}

HMODULE PictureLibrary::Load() {
  if (!update_ || !EndUpdateResourceW(std::exchange(update_, nullptr), FALSE)) return nullptr;
  module_ = LoadLibraryExW(path_.wstring().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  return module_;
}

}  // namespace zk40::test
