#pragma once
// Where the files of the data folder (and of the factory copies in the
// install folder) are.

#include <array>
#include <string>
#include <string_view>

namespace zk40 {

// "Profile\ConfigInfo.cfg" and the other files, relative to the folder.
inline constexpr std::u16string_view kMacroFile = u"Macro.cfg";
inline constexpr std::u16string_view kLanguageFile = u"Language.cfg";
inline constexpr std::u16string_view kStatisticsFile = u"Sts.cfg";
inline constexpr std::u16string_view kProfileFolder = u"Profile";
inline constexpr std::u16string_view kIndexFile = u"Profile\\ConfigInfo.cfg";

// The nine files of a data folder in the order of the first-run copy.
extern const std::array<std::u16string_view, 9> kDataFiles;

// folder + "\" + name.
std::u16string JoinPath(std::u16string_view folder, std::u16string_view name);

// folder + "\Profile\Profile<k>.cfg", k = 1..5.
std::u16string ProfilePath(std::u16string_view folder, int k);

}  // namespace zk40
