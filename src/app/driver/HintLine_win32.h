#pragma once
// The hint line of the main window: its text drawn in its rectangle, in its
// font and colour.

#include <windows.h>

#include <string>

namespace zk40 {

void DrawHintText(HDC dc, const std::u16string& text);

}  // namespace zk40
