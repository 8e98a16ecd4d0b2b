#include "protocol/DeviceIdText.h"

#include <algorithm>

namespace zk40 {
namespace {

char16_t FoldCase(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

}  // namespace

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part) {
  const auto same = [](char16_t a, char16_t b) { return FoldCase(a) == FoldCase(b); };
  return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

std::u16string_view FirstHardwareId(std::span<const char16_t> ids) {
  const auto end = std::find(ids.begin(), ids.end(), u'\0');
  return std::u16string_view(ids.data(), static_cast<std::size_t>(end - ids.begin()));
}

}  // namespace zk40
