#include "skin/SkinPaths.h"

#include <string>

namespace zk40::skin {
namespace {

std::u16string Join(std::initializer_list<std::u16string_view> parts) {
  std::u16string path;
  for (std::u16string_view part : parts) path += part;
  return path;
}

}  // namespace

std::u16string SkinPath(std::u16string_view install_folder, std::u16string_view file) {
  return Join({install_folder, u"\\skins\\", file});
}

std::u16string SkinPath(std::u16string_view install_folder, std::u16string_view subfolder, std::u16string_view file) {
  return Join({install_folder, u"\\skins\\", subfolder, u"\\", file});
}

std::u16string ListBoxSkinPath(std::u16string_view program_folder, std::u16string_view file) {
  return Join({program_folder, u"skins\\", file});
}

std::u16string TrophyFileName(int trophy) {
  const std::string number = std::to_string(trophy);
  return Join({u"trophy", std::u16string(number.begin(), number.end()), u"Down.bmp"});
}

}  // namespace zk40::skin
