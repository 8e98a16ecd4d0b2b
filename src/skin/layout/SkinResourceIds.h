#pragma once
// Numbers of the pictures compiled into the program: the flags, the state
// pictures of the irregular buttons, the notice pictures, the scroll-bar
// skin, the popup frame and the icons. The generated resource script takes
// its numbers from here, so the program and its resources always agree.

namespace zk40::layout {

// 37 x 22 flag bitmaps of languages 1..12: kFlagBitmapFirst + language - 1.
inline constexpr int kFlagBitmapFirst = 142;
// 19 x 11 PNG flags of languages 1..12 for the language menu.
inline constexpr int kSmallFlagPngFirst = 130;
inline constexpr int kLanguageCount = 12;
constexpr int FlagBitmapId(int language) { return kFlagBitmapFirst + language - 1; }
constexpr int SmallFlagPngId(int language) { return kSmallFlagPngFirst + language - 1; }

// Page-size state pictures of an irregular button set, one set per layout.
struct StatePictureIds {
  int normal;
  int over;
  int down;
  int disabled;
};

// Main window, 959 x 639: tabs, profile buttons and Apply.
inline constexpr StatePictureIds kMainButtonsChinese{154, 155, 156, 154};
inline constexpr StatePictureIds kMainButtonsOther{157, 158, 159, 157};
// Button page, 925 x 456: the seven button entries.
inline constexpr StatePictureIds kButtonEntriesChinese{161, 162, 160, 161};
inline constexpr StatePictureIds kButtonEntriesOther{164, 165, 163, 164};

// Skin of the skinned scroll bars, 163 x 54.
inline constexpr int kScrollBarSkinBitmap = 166;

// Notice dialog pictures, 330 x 160, for the form with and without Cancel.
struct NoticePictureIds {
  int normal;  // also the background
  int over;
  int down;
};
inline constexpr NoticePictureIds kNoticeWithCancel{1006, 1008, 1004};
inline constexpr NoticePictureIds kNoticeWithoutCancel{1007, 1009, 1005};

// Frame of the popup windows, 65 x 65 with alpha, type name "PNG".
inline constexpr int kPopupFramePng = 129;

// 16 x 16 icons of the tray menu.
inline constexpr int kTrayExitIcon = 1011;
inline constexpr int kTrayConfigIcon = 1012;
// The application's icon (16, 32 and 48 pixels); the lowest icon number, so
// the shell shows it for the program file.
inline constexpr int kApplicationIcon = 128;

}  // namespace zk40::layout
