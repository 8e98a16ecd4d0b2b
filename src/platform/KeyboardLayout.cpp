#include "platform/KeyboardLayout.h"

namespace zk40 {
namespace {

struct Punctuation {
  std::uint32_t virtual_key;
  std::uint8_t character;
};

constexpr Punctuation kPunctuation[] = {
    {0xBA, ';'}, {0xBB, '='}, {0xBC, ','}, {0xBD, '-'},  {0xBE, '.'},  {0xBF, '/'},
    {0xC0, '`'}, {0xDB, '['}, {0xDC, '\\'}, {0xDD, ']'}, {0xDE, '\''},
};

}  // namespace

std::uint8_t AsciiKeyboardLayout::TypedCharacter(std::uint32_t vk) const {
  if (vk >= 'A' && vk <= 'Z') return static_cast<std::uint8_t>(vk - 'A' + 'a');
  if ((vk >= '0' && vk <= '9') || vk == ' ') return static_cast<std::uint8_t>(vk);
  for (const Punctuation& p : kPunctuation) {
    if (p.virtual_key == vk) return p.character;
  }
  return 0;
}

}  // namespace zk40
