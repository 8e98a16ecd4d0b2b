#include "skin/SharedPictures_win32.h"

#include <map>
#include <tuple>

#include "skin/PictureLoading_win32.h"

namespace zk40 {
namespace {

struct Key {
  HMODULE module;
  UINT id;
  friend bool operator<(const Key& a, const Key& b) { return std::tie(a.module, a.id) < std::tie(b.module, b.id); }
};

std::map<Key, std::weak_ptr<const Bitmap>>& Cache() {
  static std::map<Key, std::weak_ptr<const Bitmap>> cache;
  return cache;
}

template <typename Load>
SharedBitmap Find(const Key& key, Load load) {
  auto& cache = Cache();
  if (auto it = cache.find(key); it != cache.end()) {
    if (SharedBitmap held = it->second.lock()) return held;
  }
  SharedBitmap loaded = std::make_shared<const Bitmap>(load());
  // A failed load is not kept: the next request tries again.
  if (*loaded) {
    cache[key] = loaded;
  } else {
    cache.erase(key);
  }
  return loaded;
}

}  // namespace

SharedBitmap SharedPictures::Resource(UINT id, HMODULE module) {
  if (!module) module = GetModuleHandleW(nullptr);
  return Find(Key{module, id}, [&] { return LoadBitmapResource(id, module); });
}

}  // namespace zk40
