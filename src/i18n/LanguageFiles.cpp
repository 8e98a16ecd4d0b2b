#include "i18n/LanguageFiles.h"

#include <array>

namespace zk40 {

namespace {

constexpr std::array<std::u16string_view, kLanguageNumberCount> kFiles = {
    u"Language\\sc.xml",  u"Language\\en.xml",  u"Language\\fre.xml",   u"Language\\kor.xml",
    u"Language\\ger.xml", u"Language\\ita.xml", u"Language\\span.xml",  u"Language\\dutch.xml",
    u"Language\\pt.xml",  u"Language\\rus.xml", u"Language\\ukr.xml",   u"Language\\tw.xml"};

}  // namespace

std::u16string_view LanguageFile(int number) {
  return IsLanguageNumber(number) ? kFiles[static_cast<std::size_t>(number - 1)] : std::u16string_view{};
}

std::u16string LanguageFilePath(std::u16string_view install_folder, int number) {
  const std::u16string_view file = LanguageFile(number);
  if (file.empty()) return {};
  std::u16string path(install_folder);
  path += u'\\';
  path += file;
  return path;
}

}  // namespace zk40
