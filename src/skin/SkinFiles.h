#pragma once
// The names of the skin files and picture resources the program reads.
// Every page and dialog has three full-size pictures: Normal (its background,
// every control in its normal look), Down (every control pressed) and Over
// (every control hovered).

namespace zk40::skin {

struct PagePictureFiles {
  const char16_t* subfolder;  // under skins; empty for the top folder
  const char16_t* normal;
  const char16_t* down;
  const char16_t* over;
};

inline constexpr PagePictureFiles kMainWindowFiles{u"", u"Main_Normal.bmp", u"Main_Down.bmp", u"Main_Over.bmp"};
inline constexpr PagePictureFiles kButtonPageFiles{u"", u"ZK40_Main_Normal.bmp", u"ZK40_Main_Down.bmp",
                                                   u"ZK40_Main_Over.bmp"};
inline constexpr PagePictureFiles kMacroPageFiles{u"", u"Macro_normal.bmp", u"Macro_down.bmp", u"Macro_over.bmp"};
inline constexpr PagePictureFiles kStatisticsPageFiles{u"", u"Sts_Normal.bmp", u"Sts_Down.bmp", u"Sts_Over.bmp"};
inline constexpr PagePictureFiles kSupportPageFiles{u"", u"support_normal.bmp", u"support_down.bmp",
                                                    u"support_over.bmp"};
inline constexpr PagePictureFiles kLightingPageFiles{u"Light", u"LedSet_normal.bmp", u"LedSet_down.bmp",
                                                     u"LedSet_over.bmp"};
inline constexpr PagePictureFiles kChooserFrameFiles{u"setting", u"Setting_Normal.bmp", u"Setting_Down.bmp",
                                                     u"Setting_Over.bmp"};
inline constexpr PagePictureFiles kChooserBasicFiles{u"base", u"Base_Normal.bmp", u"Base_Down.bmp",
                                                     u"Base_Over.bmp"};
inline constexpr PagePictureFiles kChooserAdvancedFiles{u"advanced", u"Advanced_Normal.bmp", u"Advanced_Down.bmp",
                                                        u"Advanced_Over.bmp"};
inline constexpr PagePictureFiles kChooserMacroFiles{u"macro", u"Macro_Normal.bmp", u"Macro_Down.bmp",
                                                     u"Macro_Over.bmp"};
inline constexpr PagePictureFiles kChooserComboFiles{u"combo", u"Combo_Normal.bmp", u"Combo_Down.bmp",
                                                     u"Combo_Over.bmp"};

inline constexpr char16_t kSliderThumbFile[] = u"Slider.png";
inline constexpr char16_t kProgressBarFolder[] = u"ProgressBar";
inline constexpr char16_t kProgressEmptyFile[] = u"Progress_Normal.png";
inline constexpr char16_t kProgressFullFile[] = u"Progress_Over.png";

// Picture resources of the program.
struct IrregularButtonPictures {
  unsigned normal, down, over, disabled;
};
// Main window tabs, profile buttons and Apply (959 x 639 each).
inline constexpr IrregularButtonPictures kMainButtonsChinese{154, 156, 155, 154};
inline constexpr IrregularButtonPictures kMainButtonsOther{157, 159, 158, 157};
// The seven button entries of the button page (925 x 456 each).
inline constexpr IrregularButtonPictures kButtonEntriesChinese{161, 160, 162, 161};
inline constexpr IrregularButtonPictures kButtonEntriesOther{164, 163, 165, 164};

}  // namespace zk40::skin
