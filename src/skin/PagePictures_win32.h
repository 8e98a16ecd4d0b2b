#pragma once
// The three skin pictures of a page or dialog (Normal, Over, Down), which its
// background and every control cut from it come from.

#include <string>

#include "framework/Gdi.h"
#include "skin/GdiPlus_win32.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

struct PagePictures {
  Bitmap normal, over, down;
  GdiPlusImage normal_image;  // the Normal picture again, for GDI+ cuts
};

// The pictures of skin from install_folder\skins; missing ones stay empty.
// The GDI+ copy only for a page with sliders or edits.
PagePictures LoadPagePictures(const std::u16string& install_folder, const layout::PageSkin& skin, bool with_image);

}  // namespace zk40
