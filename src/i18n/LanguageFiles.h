#pragma once
// The twelve interface languages by number (the number Language.cfg holds and
// the language menu sends): the file of each under the install folder.
// Number 1 is Simplified Chinese, the only language that makes the built-in
// messages Chinese.

#include <string>
#include <string_view>

namespace zk40 {

inline constexpr int kLanguageNumberCount = 12;
inline constexpr int kSimplifiedChineseLanguage = 1;

constexpr bool IsLanguageNumber(int number) { return number >= 1 && number <= kLanguageNumberCount; }

// "Language\sc.xml" for 1 and so on; empty for a number outside 1..12.
std::u16string_view LanguageFile(int number);

// install_folder (no trailing backslash) + "\" + the number's file; empty for
// a number outside 1..12.
std::u16string LanguageFilePath(std::u16string_view install_folder, int number);

}  // namespace zk40
