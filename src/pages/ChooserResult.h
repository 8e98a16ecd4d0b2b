#pragma once
// What the function chooser hands back to the button page: the chosen value
// and the way it was chosen (its category), and for a host action the row and
// the path.

#include <cstdint>
#include <string>

namespace zk40 {

enum class ChoiceCategory : std::int32_t {
  basic = 0,  // a basic function or the button's factory function: value = function type
  key_combination = 5,
  macro = 6,
  host_action = 19,
  disable = 121,
};

// Host action rows of the advanced page.
enum class HostActionRow { sound = 0, program = 1, file = 2, folder = 3 };
inline constexpr int kHostActionRows = 4;

struct ChooserResult {
  int button_index = 0;
  std::int32_t value = 0;  // 0: nothing was chosen
  ChoiceCategory category = ChoiceCategory::basic;
  int row = 0;             // host action only
  std::u16string path;     // host action only, at most 259 units

  [[nodiscard]] bool Chosen() const { return value != 0; }
};

// The value a disabled button gets.
inline constexpr std::int32_t kDisableValue = 7;

// The default button: the button's factory function.
ChooserResult DefaultChoice(int button);
ChooserResult DisableChoice(int button);
// A host action's value: (0xC0 + 0x10 x row + button) x 0x10000 + 6.
std::int32_t HostActionValue(int row, int button);

}  // namespace zk40
