#pragma once
// Decisions of the main window that need no window: the text of a failed
// upload, and what each tab shows and enables.

#include <string>

namespace zk40 {

// The notice after a failed upload, by the failed step's error index:
// English in every language, ending in a line break; empty for an index
// that names no step.
std::u16string UploadFailedText(long errorIndex);

inline constexpr int kTabCount = 5;

// What choosing tab 1..5 does to the pages and to the profile buttons and Apply.
struct TabView {
  int visible_page = 0;           // 1..5: the one page shown
  bool profiles_enabled = false;  // the five profile buttons and Apply
  bool refresh_page = false;      // the shown page is refreshed from the record
  bool leaves_macro_page = false;  // the game menu closes and a recording stops
};

// tab is 1..5; any other number is taken as tab 1.
TabView TabViewFor(int tab);

}  // namespace zk40
