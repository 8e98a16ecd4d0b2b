#pragma once
// The process-wide table of interface texts, one per language key. Every
// entry starts empty and is replaced only by loading a language file.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zk40 {

inline constexpr std::size_t kStringKeyCount = 107;

// The keys in the order the loader fills them.
extern const std::array<std::string_view, kStringKeyCount> kStringKeys;

// The position of a key (matched exactly, case included).
std::optional<std::size_t> StringKeyIndex(std::string_view key);

class StringTable {
 public:
  // The text of a key; empty for a key that has none or is unknown.
  const std::u16string& Get(std::string_view key) const;
  const std::u16string& At(std::size_t index) const { return texts_[index]; }
  void Set(std::size_t index, std::u16string text) { texts_[index] = std::move(text); }
  bool Set(std::string_view key, std::u16string text);

 private:
  std::array<std::u16string, kStringKeyCount> texts_;
};

}  // namespace zk40
