#pragma once
// The interface languages as the main window uses them: their files, the
// start-up's mark on message 1025, the hint line's texts and its drawing.

#include <windows.h>

#include <string>

#include "i18n/StringTable.h"

namespace zk40 {

inline constexpr WPARAM kLanguageFromStartup = 272;
inline constexpr int kChineseLanguage = 1;
inline constexpr int kEnglishLanguage = 2;

bool IsKnownLanguage(int language);
// install folder + "\Language\" + the language's file.
std::u16string LanguageFilePath(const std::u16string& installFolder, int language);
// The hint line's text for a hint number; empty for a number without one.
std::u16string HintText(const StringTable& strings, int hint);
// The hint text in the hint line's rectangle and look.
void DrawHintText(HDC dc, const std::u16string& text);

}  // namespace zk40
