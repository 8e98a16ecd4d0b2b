#include "FactoryData.h"

#include "platform/ByteImage.h"
#include "settings/DataPaths.h"
#include "settings/MacroRecord.h"
#include "settings/ProfileDefaults.h"

namespace zk40 {
namespace {

template <typename T>
std::vector<std::uint8_t> Image(const T& value) {
  auto span = BytesOf(value);
  return {span.begin(), span.end()};
}

}  // namespace

std::vector<FactoryFile> BuildFactoryFiles() {
  std::vector<FactoryFile> files;

  // The macro table starts empty until factory macros are shipped.
  files.push_back({std::u16string(kMacroFile), std::vector<std::uint8_t>(sizeof(MacroTable), 0)});

  // English is the first saved UI language.
  const std::uint32_t english = 2;
  files.push_back({std::u16string(kLanguageFile), Image(english)});

  // The statistics start from zero: six 32-bit counters.
  files.push_back({std::u16string(kStatisticsFile), std::vector<std::uint8_t>(6 * sizeof(std::uint32_t), 0)});

  // All five entries in use, profile 1 current; the paths are rebuilt at
  // every start, so none are stored.
  ProfileIndex index{};
  for (ProfileIndexEntry& entry : index) entry.index_magic = kIndexMagic;
  index[0].active = 1;
  files.push_back({std::u16string(kIndexFile), Image(index)});

  ProfileRecord record;
  FillProfileDefaults(record, false);
  for (int k = 1; k <= kProfileCount; ++k) {
    std::u16string name = u"Profile\\Profile";
    name += static_cast<char16_t>(u'0' + k);
    name += u".cfg";
    files.push_back({name, Image(record)});
  }
  return files;
}

}  // namespace zk40
