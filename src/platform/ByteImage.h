#pragma once
// Stored records are raw memory images; these are the two directions.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

namespace zk40 {

template <typename T>
std::span<const std::uint8_t> BytesOf(const T& value) {
  static_assert(std::is_trivially_copyable_v<T>);
  return {reinterpret_cast<const std::uint8_t*>(&value), sizeof value};
}

// Fills value from the start of bytes; a shorter input leaves the tail zero.
// An empty input (whose data may be null) copies nothing.
template <typename T>
void AssignFromBytes(T& value, std::span<const std::uint8_t> bytes) {
  static_assert(std::is_trivially_copyable_v<T>);
  std::memset(&value, 0, sizeof value);
  if (!bytes.empty()) std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
}

// The little-endian 32-bit value at the start of bytes, 0 when there are fewer than 4.
inline std::uint32_t LeadingWord(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 4) return 0;
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

}  // namespace zk40
