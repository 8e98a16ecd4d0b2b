// Code-page conversion through the system's own tables.
#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/CodePage.h"
#include "platform/WideText_win32.h"

namespace zk40 {
namespace {

class Win32CodePage final : public CodePage {
 public:
  std::size_t ToUtf16(std::uint32_t codePage, std::span<const std::uint8_t> bytes,
                      std::span<char16_t> out) const override {
    if (bytes.empty() || bytes.size() > INT_MAX) return 0;
    const int capacity = static_cast<int>(std::min<std::size_t>(out.size(), INT_MAX));
    const int units =
        MultiByteToWideChar(codePage == kAnsiCodePage ? CP_ACP : codePage, 0,
                            reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()),
                            capacity ? reinterpret_cast<wchar_t*>(out.data()) : nullptr, capacity);
    return units > 0 ? static_cast<std::size_t>(units) : 0;
  }
};

}  // namespace

std::unique_ptr<CodePage> CreateSystemCodePage() { return std::make_unique<Win32CodePage>(); }

}  // namespace zk40
