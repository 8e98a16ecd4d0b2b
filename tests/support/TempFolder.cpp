#include "support/TempFolder.h"

#include <algorithm>
#include <atomic>
#include <chrono>

namespace zk40::test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  native_ = std::filesystem::temp_directory_path() /
            ("zk40-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(native_);
  path_ = native_.u16string();
  std::replace(path_.begin(), path_.end(), u'/', u'\\');
  while (!path_.empty() && path_.back() == u'\\') path_.pop_back();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(native_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(native_, ignored);
}

}  // namespace zk40::test
