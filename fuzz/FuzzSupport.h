#pragma once
// What the fuzz targets share: the input as a file of an in-memory file
// system (the tests' fake), a notifier and a profile view that keep nothing,
// and the check that ends a run with a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/UserNotifier.h"
#include "settings/ProfileFiles.h"
#include "support/FakeFileSystem.h"

namespace zk40::fuzz {

inline void Check(bool condition) {
  if (!condition) std::abort();
}

inline std::vector<std::uint8_t> Input(const std::uint8_t* data, std::size_t size) {
  return std::vector<std::uint8_t>(data, data + size);
}

// A fresh file system per input: nothing of one input reaches the next.
struct InputFiles {
  test::FakeFileSystem fs;
  explicit InputFiles(const std::u16string& folder) { fs.AddFolder(folder); }
};

class QuietNotifier final : public UserNotifier {
 public:
  int shown = 0;
  bool ShowNotice(const std::u16string&, bool) override {
    ++shown;
    return true;
  }
  void ShowMessageBox(const std::u16string&, const std::u16string&) override { ++shown; }
};

class NoProfileView final : public ProfileView {
 public:
  void ShowProfileSelected(int, bool) override {}
  void RefreshPages() override {}
};

inline const std::u16string kDataFolder = u"C:\\users\\u\\Temp\\OSTREL\\ZK40";

}  // namespace zk40::fuzz
