#pragma once
// What the support page says: the two version lines, the question before the
// defaults are restored, the hint numbers of its controls and the maker's
// web site the web button opens.

#include <array>
#include <string>
#include <string_view>

namespace zk40 {

inline constexpr std::u16string_view kDriverVersionText = u"V1.0.5";
inline constexpr std::u16string_view kMakerWebSite = u"http://www.ostrel.com";

// The mouse's firmware version for a firmware text of decimal digits:
// "Unknown" without a version, otherwise "V " and the digits as
// major.minor.patch, where the last digit is the patch, the one before it the
// minor and all before those the major (7 reads "V 0.0.7", 12 "V 0.1.2",
// 123 "V 1.2.3", 1234 "V 12.3.4").
std::u16string FirmwareVersionText(std::u16string_view firmwareText);

std::u16string RestoreDefaultsQuestion(int uiIsChinese);

// The page's controls in the order of the hint test: update, web site,
// import, export, restore defaults, driver-version area, firmware-version area.
inline constexpr std::array<int, 7> kSupportHints = {56, 57, 58, 59, 60, 89, 90};

}  // namespace zk40
