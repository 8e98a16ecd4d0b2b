#pragma once
// The hint line's table: which language key a hint number shows. The main
// window uses 1..11 for its own buttons; the pages use the rest for their
// controls. A number the table does not hold clears the hint line.

#include <string>
#include <string_view>

#include "i18n/StringTable.h"

namespace zk40 {

// The language key of a hint number; empty for a number without one.
std::string_view HintKey(int hint);

// The text of the hint number in the loaded language; empty for a number
// without a key.
std::u16string HintText(const StringTable& strings, int hint);

}  // namespace zk40
