#pragma once
#include <string>

#include "platform/HidApi_win32.h"

namespace zk40 {

// 1 when a present device of the "USB" enumerator has a first hardware id
// that contains text, letters compared without case; else 0.
int FindUsbDevice(const std::u16string& text, const HidApi& api = SystemHidApi());

}  // namespace zk40
