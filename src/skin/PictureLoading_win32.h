#pragma once
// Loading and cutting the skin pictures. Two kinds live side by side:
// device-dependent bitmaps (BMP files and bitmap resources, drawn with block
// transfers) and GDI+ bitmaps (PNG files and resources, drawn with alpha).
// A picture that is missing or cannot be decoded comes back empty, with size
// 0 x 0, and draws nothing; no message is shown.

#include <span>
#include <string>
#include <vector>

#include "framework/Gdi.h"
#include "skin/Geometry.h"
#include "skin/GdiPlus_win32.h"
#include "skin/NineSlice.h"
#include "skin/PixelPasses.h"

namespace zk40 {

// Decodes a picture file (BMP, or any format the platform's picture loader
// knows) into target, replacing what target held, and gives its size. On
// failure target is empty, size is 0 x 0 and the result is false.
[[nodiscard]] bool LoadPictureFile(const std::u16string& path, Bitmap& target, SIZE& size);

// A PNG file as a GDI+ bitmap; empty on failure.
GdiPlusImage LoadPngFile(const std::u16string& path);

// A resource of type "PNG" of module (the program itself when null) as a
// GDI+ image; empty when the resource is missing or broken.
GdiPlusImage LoadPngResource(UINT id, HMODULE module = nullptr);

// A bitmap resource of module (the program itself when null); empty when missing.
Bitmap LoadBitmapResource(UINT id, HMODULE module = nullptr);

SIZE BitmapSize(HBITMAP bitmap);

// Makes target a new bitmap compatible with dc holding rect of source, one to
// one. Nothing happens when source is empty.
void CopyRectangle(HDC dc, Bitmap& target, HBITMAP source, const skin::Rect& rect);

// A new GDI+ bitmap holding rect of source, in the source's pixel format;
// empty when source is empty or rect does not lie inside it.
GdiPlusImage CloneRectangle(const GdiPlusImage& source, const skin::Rect& rect);

// The background of a skinned edit: a clone of rect of the page picture and
// a pattern brush made from it.
struct ClonedPattern {
  GdiPlusImage clone;
  Brush brush;
};
ClonedPattern PatternBrushFromClone(const GdiPlusImage& page, const skin::Rect& rect);

// Nine-slice draw of source of image into dest with corners of corner pixels.
void DrawNineSlice(GpGraphics* graphics, const GdiPlusImage& image, const skin::Rect& dest, const skin::Rect& source,
                   int corner);

// The description of a 32-bit bitmap of that size whose rows run top first.
BITMAPINFO TopDownBitmapInfo(int width, int height);

// The pixels of a bitmap as 32-bit values, rows top first; empty on failure.
std::vector<skin::Argb> BitmapPixels(HBITMAP bitmap, SIZE& size);

// Copies pixels between a buffer of 32-bit premultiplied ARGB (rows top
// first) and a GDI+ bitmap of width x height, into the bitmap or out of it;
// false when the bitmap cannot be locked.
bool CopyPremultipliedPixels(GpBitmap* bitmap, int width, int height, std::span<skin::Argb> pixels, bool into_bitmap);

// The window region of a shaped picture: the picture composed over opaque
// black, without every pixel of its top-left pixel's colour. Null when the
// picture is empty.
Region OutlineRegion(const GdiPlusImage& picture);

}  // namespace zk40
