#pragma once
#include <filesystem>
#include <string>

namespace zk40::test {

// A fresh folder under the system's temp path, removed with everything in it.
// path() is in the core's Windows-style form (backslashes on every OS).
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::u16string& path() const { return path_; }
  std::filesystem::path native() const { return native_; }
  std::u16string Child(const std::u16string& name) const { return path_ + u"\\" + name; }

 private:
  std::filesystem::path native_;
  std::u16string path_;
};

}  // namespace zk40::test
