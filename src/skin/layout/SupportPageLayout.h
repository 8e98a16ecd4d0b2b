#pragma once
// The support page (page 5 of the main window), 925 x 452, drawn from
// support_normal.bmp / _down / _over. Page client coordinates.

#include <array>

#include "skin/layout/LayoutTypes.h"

namespace zk40::layout::support_page {

struct Control {
  Rect rect;
  int hint;
};

inline constexpr Control kUpdateButton{{405, 264, 520, 293}, 56};
inline constexpr Control kWebSiteButton{{711, 264, 826, 293}, 57};
inline constexpr Control kImportButton{{134, 389, 224, 420}, 58};
inline constexpr Control kExportButton{{234, 389, 324, 420}, 59};
inline constexpr Control kRestoreButton{{785, 388, 873, 417}, 60};
inline constexpr Control kDriverVersionArea{{77, 110, 274, 141}, 89};
inline constexpr Control kFirmwareVersionArea{{380, 113, 559, 140}, 90};

// In the order the page tests them for hints.
inline constexpr std::array<const Control*, 7> kControls{&kUpdateButton, &kWebSiteButton, &kImportButton,
                                                          &kExportButton, &kRestoreButton, &kDriverVersionArea,
                                                          &kFirmwareVersionArea};

// The two version texts: layout rectangles (x, y, width, height) and colour.
struct TextBox {
  int x;
  int y;
  int width;
  int height;
};
inline constexpr TextBox kDriverVersionText{127, 169, 247, 192};
inline constexpr TextBox kFirmwareVersionText{440, 169, 515, 192};
inline constexpr Rgb kVersionText{193, 210, 238};

}  // namespace zk40::layout::support_page
