#pragma once
// What the main window does with message 1025 (apply an interface
// language): a pure decision, carried out by the main window step by step in
// the order of the fields below.
//
//   lParam 0                      the language menu closed: forget it, nothing else
//   wParam != 272, no menu open   a stale choice: ignored
//   otherwise                     ui_is_chinese cleared (set for 1 only); for
//                                 1..12 the file and the flag of that language;
//                                 the number saved whatever it is; captions set
//                                 again; the menu closed unless start-up sent it

#include <cstdint>

namespace zk40 {

// wParam of the start-up's 1025; the language menu sends 0.
inline constexpr std::uintptr_t kLanguageFromStartup = 272;

struct LanguageSwitchPlan {
  enum class Kind {
    ignore,        // nothing happens
    menu_closed,   // forget the open language menu, nothing else
    apply,         // the steps below
  };
  Kind kind = Kind::ignore;
  int ui_is_chinese = 0;
  // 1..12: load this language's file into the string table and show its flag;
  // 0: no file, and the flag stays as it is.
  int load_language = 0;
  // Written to Language.cfg, also when it names no language.
  int save_number = 0;
  // After the captions are set again: close the language menu if its window
  // still exists, and forget it.
  bool close_menu = false;
};

LanguageSwitchPlan DecideLanguageSwitch(std::uintptr_t wParam, std::intptr_t lParam, bool menuOpen);

}  // namespace zk40
