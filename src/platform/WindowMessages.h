#pragma once
// The program's own window messages, in one place. Each is WM_USER-based
// (0x400); the comment names the receiver and what wParam/lParam carry.
// Portable on purpose: the core posts some of them through its observer
// interfaces, and the numbers are part of how the program's windows and the
// outside libraries (the game menu) talk to each other.

#include <cstdint>

namespace zk40::msg {

// Main window: apply UI language lParam 1..12 (wParam 272 at start-up, 0 from
// the language menu); lParam 0 = the language menu closed.
inline constexpr std::uint32_t kApplyLanguage = 1025;  // 0x401
// Macro recorder / key-combination capture: raw key event (virtual key, flags)
// or a mouse event code.
inline constexpr std::uint32_t kRecorderInput = 1034;  // 0x40A
// Progress dialog: upload progress, wParam = percent.
inline constexpr std::uint32_t kUploadProgress = 1067;  // 0x42B
// Progress bar: a drag on an interactive bar ended, wParam = value, lParam = id.
inline constexpr std::uint32_t kProgressBarDragged = 1104;  // 0x450
// Skinned scroll frame: re-layout after the wrapped list's size computation;
// wParam 1 = the list has a vertical bar, lParam 1 = that bar is on the left.
inline constexpr std::uint32_t kScrollFrameLayout = 1124;  // 0x464
// Macro page, function chooser: the step list's selection changed / a row's
// text was edited in place.
inline constexpr std::uint32_t kListSelectionChanged = 1125;  // 0x465
inline constexpr std::uint32_t kListRowEdited = 1136;         // 0x470
// Main window: tray icon callback (lParam = mouse message); a second start
// posts lParam 515 to wake the running window.
inline constexpr std::uint32_t kTrayIcon = 1132;  // 0x46C
// Statistics page: a mouse event to count (wParam = mouse event code) /
// a cursor sample is ready.
inline constexpr std::uint32_t kCountMouseEvent = 1225;  // 0x4C9
inline constexpr std::uint32_t kCursorSample = 1226;     // 0x4CA
// Macro page: the game chosen in the game menu (lParam = its id, wParam 0).
inline constexpr std::uint32_t kGameChosen = 1281;  // 0x501
// Main window: upload finished / failed (lParam = error index).
inline constexpr std::uint32_t kUploadFinished = 1795;  // 0x703
inline constexpr std::uint32_t kUploadFailed = 1796;    // 0x704
// Macro page: a notify-press bitmap button was pressed (wParam 513) or
// released (514); lParam = the button's window.
inline constexpr std::uint32_t kButtonPressNotify = 1805;  // 0x70D
// Main window: a mouse event from the mouse hook (wParam = event code).
inline constexpr std::uint32_t kHostMouseEvent = 2027;  // 0x7EB
// Button and lighting pages: a slider moved (wParam = value, lParam = slider id).
inline constexpr std::uint32_t kSliderMoved = 2048;  // 0x800
// Main window: show hint number lParam in the hint line.
inline constexpr std::uint32_t kShowHint = 2053;  // 0x805
// Main window: restore the defaults and upload them.
inline constexpr std::uint32_t kRestoreDefaults = 2054;  // 0x806

}  // namespace zk40::msg
