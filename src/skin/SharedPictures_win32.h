#pragma once
// Page-size pictures that several controls draw from (the irregular buttons
// of a page each draw from the same four whole-page pictures) are loaded once
// and shared while any control holds them; the last holder frees them.
// User-interface thread only.

#include <memory>
#include <string>

#include "framework/Gdi.h"

namespace zk40 {

// A shared, never-changed picture; an empty Bitmap when loading failed.
using SharedBitmap = std::shared_ptr<const Bitmap>;

class SharedPictures {
 public:
  // The bitmap resource id of module (the program itself when null).
  static SharedBitmap Resource(UINT id, HMODULE module = nullptr);
  // A picture file, loaded as Load picture file does.
  static SharedBitmap File(const std::u16string& path);
  // Wraps a picture made elsewhere (tests, generated pictures) for sharing.
  static SharedBitmap Adopt(Bitmap bitmap);
  // How many pictures are loaded and held at the moment.
  static std::size_t LoadedCount();
};

}  // namespace zk40
