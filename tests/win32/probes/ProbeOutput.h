#pragma once
// What the probes share: their printed lines reach the driving script at
// once, and the paths it passes as /unix/paths are reached through Wine's Z: drive.

#include <cstdio>
#include <cstring>
#include <string>

#define Print(...) (std::printf(__VA_ARGS__), std::fflush(stdout))

namespace zk40 {

inline std::u16string WindowsPath(const char* path) {
  std::u16string result(path, path + std::strlen(path));
  if (!result.empty() && result.front() == u'/') result.insert(0, u"Z:");
  for (char16_t& c : result) {
    if (c == u'/') c = u'\\';
  }
  return result;
}

}  // namespace zk40
