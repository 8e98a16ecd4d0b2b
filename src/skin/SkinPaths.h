#pragma once
// Where the skin pictures are found. All lie in the "skins" folder of the
// install folder. Pages build their paths from the install folder, which has
// no trailing backslash; the macro page's list box builds them from the
// program file's folder, which ends with one. Both reach the same files.

#include <string>
#include <string_view>

namespace zk40::skin {

// "<install>\skins\<file>".
std::u16string SkinPath(std::u16string_view install_folder, std::u16string_view file);
// "<install>\skins\<subfolder>\<file>", for the Light, setting, base, advanced,
// macro, combo, Menu, ProgressBar and trophy folders.
std::u16string SkinPath(std::u16string_view install_folder, std::u16string_view subfolder, std::u16string_view file);
// "<program folder>skins\<file>"; program_folder ends with a backslash.
std::u16string ListBoxSkinPath(std::u16string_view program_folder, std::u16string_view file);

// "trophy<n>Down.bmp" of the trophy folder.
std::u16string TrophyFileName(int trophy);

}  // namespace zk40::skin
