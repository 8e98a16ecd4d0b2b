#pragma once
// Firmware versions as texts: the mouse's version in decimal (empty when it
// could not be read) and the "current" version of an update description.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zk40 {

// A plain decimal conversion: leading white space and a "+" are skipped, the
// digits up to the first other character are the number, and no digits read
// as 0 ("-3" too: there are no negative versions). Nothing when the digits
// do not fit in 32 bits.
std::optional<std::uint32_t> ParseVersionText(std::u16string_view text);

// True when the update description's version is above the mouse's. A version
// text that does not fit is never newer.
bool IsNewerFirmware(std::u16string_view currentText, std::u16string_view firmwareText);

// The update check's notices; the download failure has an English text only.
std::u16string NewerFirmwareQuestion(int uiIsChinese);
std::u16string LatestFirmwareText(int uiIsChinese);
std::u16string FirmwareDownloadFailedText();

}  // namespace zk40
