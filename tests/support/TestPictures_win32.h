#pragma once
// Pictures made by the tests themselves, with known colours per pixel, so a
// pixel read back tells which picture (and which state) was drawn.

#include <filesystem>
#include <functional>
#include <string>

#include "framework/Gdi.h"
#include "skin/GdiPlus_win32.h"

namespace zk40::test {

// A screen-compatible bitmap of width x height, pixel (x, y) = colour(x, y).
Bitmap MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& colour);
Bitmap SolidBitmap(int width, int height, COLORREF colour);

// A 32-bit ARGB GDI+ bitmap, pixel (x, y) = argb(x, y) (0xAARRGGBB).
GdiPlusImage MakeArgbImage(int width, int height, const std::function<ARGB(int x, int y)>& argb);

// Writes a bitmap as a BMP file / an image as a PNG file; false on failure.
bool SaveBitmapFile(HBITMAP bitmap, const std::u16string& path);
bool SavePngFile(const GdiPlusImage& image, const std::u16string& path);
// The PNG bytes of an image; empty on failure.
std::string PngBytes(const GdiPlusImage& image);

// The colour of pixel (x, y) of a bitmap / of a GDI+ image (0xAARRGGBB).
COLORREF PixelOf(HBITMAP bitmap, int x, int y);
ARGB PixelOf(const GdiPlusImage& image, int x, int y);

// A copy of one of our small libraries with picture resources written into
// it, loaded as a data file: resources read as the program reads its own.
class PictureLibrary {
 public:
  // folder: where the copy goes (removed by its owner).
  explicit PictureLibrary(const std::filesystem::path& folder);
  ~PictureLibrary();
  PictureLibrary(const PictureLibrary&) = delete;
  PictureLibrary& operator=(const PictureLibrary&) = delete;

  // Before Load: a bitmap resource / a "PNG" resource of that id.
  bool AddBitmap(UINT id, HBITMAP bitmap);
  bool AddPng(UINT id, const GdiPlusImage& image);
  // Writes the resources and loads the library; null on failure.
  HMODULE Load();

 private:
  std::filesystem::path path_;
  HANDLE update_ = nullptr;
  HMODULE module_ = nullptr;
};

}  // namespace zk40::test
