#pragma once
// Passes over 32-bit pixels (0xAARRGGBB, the layout of 32-bit DIB sections
// and of GDI+ ARGB) that give skinned windows their transparency.

#include <cstdint>
#include <span>
#include <vector>

namespace zk40::skin {

using Argb = std::uint32_t;

inline constexpr Argb kRgbMask = 0x00FFFFFF;
inline constexpr Argb kMagenta = 0x00FF00FF;
// Pure black is the colour key of a layered window drawn without alpha, so
// drawn black is turned into the nearest visible colour, blue 1.
inline constexpr Argb kBlueOne = 0x00000001;

// The content layer of a popup, drawn with GDI on magenta: magenta pixels
// become fully transparent black, pure black ones opaque blue 1, every other
// pixel fully opaque. GDI leaves the alpha byte undefined, so it is ignored.
void KeyOutMagenta(std::span<Argb> pixels);

enum class AlphaMeaning {
  ignored,        // a GDI picture: the alpha byte carries nothing
  premultiplied,  // a layer with per-pixel alpha: alpha 0 is no pixel at all
};
// Turns pure black pixels into blue 1, keeping their alpha. With premultiplied
// alpha a fully transparent pixel is left as it is: it is not black.
void MakeBlackVisible(std::span<Argb> pixels, AlphaMeaning alpha);

// Lays each pixel of `above` over the same pixel of `below` (source over,
// both with premultiplied alpha); the spans have the same length.
void BlendOver(std::span<Argb> below, std::span<const Argb> above);

// One row run [left, right) of pixels at row y.
struct PixelRun {
  int y;
  int left;
  int right;
  friend bool operator==(const PixelRun&, const PixelRun&) = default;
};
// The outline of a shaped picture (rows top first, width x height pixels):
// every pixel whose colour differs from the top-left pixel's, as row runs.
// Alpha is ignored; a transparent picture is first composed over black.
std::vector<PixelRun> OutlineRuns(std::span<const Argb> pixels, int width, int height);

}  // namespace zk40::skin
