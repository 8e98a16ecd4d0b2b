#pragma once
// Pictures that several controls draw from (the skinned scroll bars' skin)
// are loaded once and shared while any control holds them; the last holder
// frees them. User-interface thread only.

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
};

}  // namespace zk40
