#pragma once
// The encoding names a file may declare, and the Windows code page of each.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zk40 {

// UTF-32 is told apart from the code pages: the reader cannot decode it.
inline constexpr std::uint32_t kUtf32CodePage = 12000;
inline constexpr std::uint32_t kUtf32BigEndianCodePage = 12001;
inline constexpr std::uint32_t kUtf16CodePage = 1200;
inline constexpr std::uint32_t kUtf16BigEndianCodePage = 1201;
inline constexpr std::uint32_t kUtf8CodePage = 65001;

// The code page of an encoding name, compared without regard to ASCII case;
// a name that begins with "UTF-32" as written is UTF-32 whatever follows.
// Unknown names and names of 100 or more characters have none.
std::optional<std::uint32_t> EncodingCodePage(std::u16string_view name);

bool IsUtf32CodePage(std::uint32_t codePage);

}  // namespace zk40
