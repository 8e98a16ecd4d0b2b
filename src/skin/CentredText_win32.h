#pragma once
// Text in a box the way the notices and the hint line show it.

#include <windows.h>

#include <string>

namespace zk40 {

// Draws text word-wrapped, not clipped, with an ellipsis where a word does
// not fit and no mnemonic prefixes, its wrapped block centred on the box's
// height: the system centres single lines only. A text taller than the box
// grows above and below it.
void DrawCentredWrappedText(HDC dc, const std::u16string& text, RECT box);

}  // namespace zk40
