#include "settings/DataPaths.h"

namespace zk40 {

const std::array<std::u16string_view, 9> kDataFiles = {
    kMacroFile, kLanguageFile, kStatisticsFile, kIndexFile,
    u"Profile\\Profile1.cfg", u"Profile\\Profile2.cfg", u"Profile\\Profile3.cfg",
    u"Profile\\Profile4.cfg", u"Profile\\Profile5.cfg",
};

std::u16string JoinPath(std::u16string_view folder, std::u16string_view name) {
  std::u16string path(folder);
  path += u'\\';
  path += name;
  return path;
}

std::u16string ProfilePath(std::u16string_view folder, int k) {
  std::u16string name = u"Profile\\Profile";
  name += static_cast<char16_t>(u'0' + k);
  name += u".cfg";
  return JoinPath(folder, name);
}

}  // namespace zk40
