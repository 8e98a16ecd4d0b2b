#pragma once
// The game menu library MenuEx.dll, loaded by name once for the whole
// process. The menu it shows posts the chosen entry id to its owner.
#include <windows.h>

#include <array>
#include <string>

#include "macros/GameMenuEntry.h"

namespace zk40 {

// The library's exports, in the argument order both sides keep.
using CreateMenuExFunction = int(__cdecl*)(HWND owner, int itemHeight, POINT topLeft, COLORREF text,
                                           COLORREF highlightText, COLORREF highlight, const wchar_t* image1,
                                           const wchar_t* image2, const wchar_t* image3, const wchar_t* image4,
                                           const wchar_t* image5, const wchar_t* image6, const wchar_t* image7,
                                           const wchar_t* image8, const GameMenuEntry* entries, int count);
using DestroyMenuExFunction = void(__cdecl*)();
using DllPreTranslateMessageFunction = BOOL(__cdecl*)(MSG* msg);

class GameMenuLibrary {
 public:
  // Loads the library and looks up its three exports; true when the two
  // menu exports were found. Later calls return the first answer.
  static bool Load();
  static bool Loaded();

  static int CreateMenu(HWND owner, int itemHeight, POINT topLeft, COLORREF text, COLORREF highlightText,
                        COLORREF highlight, const std::array<std::u16string, kGameMenuImageCount>& images,
                        const GameMenuEntry* entries, int count);
  // Closes the menu the library shows, if any; harmless without the library.
  static void DestroyMenu();
};

}  // namespace zk40
