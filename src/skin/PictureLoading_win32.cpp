#include "skin/PictureLoading_win32.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "platform/WideText_win32.h"
#include "skin/BmpCheck.h"

namespace zk40 {
namespace {

// Skin pictures are a few megabytes at most; anything far larger is not one.
constexpr LONGLONG kLargestPictureFile = 64LL * 1024 * 1024;

// The whole file in a movable global memory block; null on failure or when
// the file is a BMP cut short.
HGLOBAL ReadFileToGlobal(const std::u16string& path, DWORD& size) {
  HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  HGLOBAL block = nullptr;
  LARGE_INTEGER length{};
  if (GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart <= kLargestPictureFile) {
    size = static_cast<DWORD>(length.QuadPart);
    block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* bytes = block ? GlobalLock(block) : nullptr;
    DWORD read = 0;
    const bool ok = bytes && ReadFile(file, bytes, size, &read, nullptr) && read == size &&
                    skin::BmpLooksComplete({static_cast<const std::uint8_t*>(bytes), size});
    if (bytes) GlobalUnlock(block);
    if (!ok && block) {
      GlobalFree(block);
      block = nullptr;
    }
  }
  CloseHandle(file);
  return block;
}

// A stream that owns block (freed with the stream); block is freed on failure.
IStream* StreamOver(HGLOBAL block) {
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
    GlobalFree(block);
    return nullptr;
  }
  return stream;
}

}  // namespace

bool LoadPictureFile(const std::u16string& path, Bitmap& target, SIZE& size) {
  target.Reset();
  size = SIZE{0, 0};
  DWORD length = 0;
  HGLOBAL block = ReadFileToGlobal(path, length);
  if (!block) return false;
  IStream* stream = StreamOver(block);
  if (!stream) return false;
  IPicture* picture = nullptr;
  const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(length), FALSE, IID_IPicture,
                                        reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(loaded) || !picture) return false;
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle))) {
    // The picture object deletes its own bitmap when released: keep a copy.
    auto* bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    target.Reset(static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)));
  }
  picture->Release();
  if (target) size = BitmapSize(target.get());
  return static_cast<bool>(target);
}

GdiPlusImage LoadPngFile(const std::u16string& path) {
  GpBitmap* bitmap = nullptr;
  if (gdip::GdipCreateBitmapFromFile(Wide(path), &bitmap) != Gdiplus::Ok) return {};
  return GdiPlusImage(bitmap);
}

GdiPlusImage LoadPngResource(UINT id, HMODULE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = found ? SizeofResource(module, found) : 0;
  if (!bytes || size == 0) return {};
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, size);
  if (!block) return {};
  CopyMemory(block, bytes, size);
  IStream* stream = StreamOver(block);
  if (!stream) return {};
  GpImage* image = nullptr;
  const auto status = gdip::GdipLoadImageFromStream(stream, &image);
  stream->Release();  // GDI+ keeps its own reference while the image lives
  if (status != Gdiplus::Ok) return {};
  return GdiPlusImage(image);
}

Bitmap LoadBitmapResource(UINT id, HMODULE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  return Bitmap(static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void CopyRectangle(HDC dc, Bitmap& target, HBITMAP source, const skin::Rect& rect) {
  if (!source || skin::IsEmpty(rect)) return;
  Bitmap copy(CreateCompatibleBitmap(dc, rect.Width(), rect.Height()));
  MemoryDC from(dc), to(dc);
  if (!copy || !from.get() || !to.get()) return;
  {
    SelectInDC selectFrom(from.get(), source);
    SelectInDC selectTo(to.get(), copy.get());
    BitBlt(to.get(), 0, 0, rect.Width(), rect.Height(), from.get(), rect.left, rect.top, SRCCOPY);
  }
  target = std::move(copy);
}

GdiPlusImage CloneRectangle(const GdiPlusImage& source, const skin::Rect& rect) {
  GpBitmap* bitmap = source.AsBitmap();
  if (!bitmap || skin::IsEmpty(rect) || rect.left < 0 || rect.top < 0 || rect.right > source.Width() ||
      rect.bottom > source.Height()) {
    return {};
  }
  Gdiplus::PixelFormat format = 0;
  gdip::GdipGetImagePixelFormat(bitmap, &format);
  GpBitmap* clone = nullptr;
  if (gdip::GdipCloneBitmapAreaI(rect.left, rect.top, rect.Width(), rect.Height(), format, bitmap, &clone) !=
      Gdiplus::Ok) {
    return {};
  }
  return GdiPlusImage(clone);
}

ClonedPattern PatternBrushFromClone(const GdiPlusImage& page, const skin::Rect& rect) {
  ClonedPattern pattern;
  pattern.clone = CloneRectangle(page, rect);
  HBITMAP bitmap = nullptr;
  if (!pattern.clone ||
      gdip::GdipCreateHBITMAPFromBitmap(pattern.clone.AsBitmap(), &bitmap, 0xFF000000) != Gdiplus::Ok) {
    return pattern;
  }
  Bitmap owned(bitmap);
  // The brush keeps its own copy of the pattern.
  pattern.brush.Reset(CreatePatternBrush(owned.get()));
  return pattern;
}

void DrawNineSlice(GpGraphics* graphics, const GdiPlusImage& image, const skin::Rect& dest, const skin::Rect& source,
                   int corner) {
  if (!graphics || !image) return;
  Gdiplus::GpImageAttributes* attributes = nullptr;
  // Stretched pieces must not sample pixels of their neighbours at their edges.
  if (gdip::GdipCreateImageAttributes(&attributes) == Gdiplus::Ok) {
    gdip::GdipSetImageAttributesWrapMode(attributes, Gdiplus::WrapModeTileFlipXY, 0, FALSE);
  }
  for (const skin::SlicePiece& piece : skin::NineSliceDrawPieces(dest, source, corner)) {
    gdip::GdipDrawImageRectRectI(graphics, image.get(), piece.dest.left, piece.dest.top, piece.dest.Width(),
                                 piece.dest.Height(), piece.source.left, piece.source.top, piece.source.Width(),
                                 piece.source.Height(), Gdiplus::UnitPixel, attributes, nullptr, nullptr);
  }
  if (attributes) gdip::GdipDisposeImageAttributes(attributes);
}

BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

std::vector<skin::Argb> BitmapPixels(HBITMAP bitmap, SIZE& size) {
  size = BitmapSize(bitmap);
  std::vector<skin::Argb> pixels;
  if (size.cx <= 0 || size.cy <= 0) return pixels;
  BITMAPINFO info = TopDownBitmapInfo(size.cx, size.cy);
  pixels.resize(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
  WindowDC screen(nullptr);
  if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS) !=
      size.cy) {
    pixels.clear();
    size = SIZE{0, 0};
  }
  return pixels;
}

bool CopyPremultipliedPixels(GpBitmap* bitmap, int width, int height, std::span<skin::Argb> pixels, bool into_bitmap) {
  Gdiplus::GpRect area(0, 0, width, height);
  Gdiplus::BitmapData data{};
  const UINT mode = into_bitmap ? Gdiplus::ImageLockModeWrite : Gdiplus::ImageLockModeRead;
  if (gdip::GdipBitmapLockBits(bitmap, &area, mode, PixelFormat32bppPARGB, &data) != Gdiplus::Ok) return false;
  const std::size_t row_bytes = static_cast<std::size_t>(width) * sizeof(skin::Argb);
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride;
    skin::Argb* ours = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    if (into_bitmap) {
      std::memcpy(row, ours, row_bytes);
    } else {
      std::memcpy(ours, row, row_bytes);
    }
  }
  gdip::GdipBitmapUnlockBits(bitmap, &data);
  return true;
}

Region OutlineRegion(const GdiPlusImage& picture) {
  HBITMAP composed = nullptr;
  if (!picture.AsBitmap() ||
      gdip::GdipCreateHBITMAPFromBitmap(picture.AsBitmap(), &composed, 0xFF000000) != Gdiplus::Ok) {
    return Region();
  }
  Bitmap owned(composed);
  SIZE size{};
  const std::vector<skin::Argb> pixels = BitmapPixels(owned.get(), size);
  const std::vector<skin::PixelRun> runs = skin::OutlineRuns(pixels, size.cx, size.cy);
  std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* region = reinterpret_cast<RGNDATA*>(data.data());
  region->rdh.dwSize = sizeof(RGNDATAHEADER);
  region->rdh.iType = RDH_RECTANGLES;
  region->rdh.nCount = static_cast<DWORD>(runs.size());
  region->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
  region->rdh.rcBound = RECT{0, 0, size.cx, size.cy};
  auto* rects = reinterpret_cast<RECT*>(region->Buffer);
  for (std::size_t i = 0; i < runs.size(); ++i) rects[i] = RECT{runs[i].left, runs[i].y, runs[i].right, runs[i].y + 1};
  return Region(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), region));
}

}  // namespace zk40
