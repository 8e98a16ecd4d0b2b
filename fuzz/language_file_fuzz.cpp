// Fuzz target of Language.cfg: arbitrary bytes are read as the saved UI
// language; the number read is the file's first four bytes (zero-extended),
// and saving it gives back a file of exactly those four bytes.
#include <memory>

#include "FuzzSupport.h"
#include "platform/ByteImage.h"
#include "settings/DataPaths.h"

namespace {

using namespace zk40;
using fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto store = std::make_unique<SettingsStore>();
  store->data_folder = fuzz::kDataFolder;
  fuzz::InputFiles files(fuzz::kDataFolder);
  const std::u16string path = JoinPath(fuzz::kDataFolder, kLanguageFile);
  files.fs.AddFile(path, fuzz::Input(data, size));
  fuzz::QuietNotifier notifier;
  fuzz::NoProfileView view;
  StringTable strings;
  ProfileFiles profiles(*store, files.fs, notifier, strings, view);

  std::uint32_t expected = 0;
  AssignFromBytes(expected, std::span(data, size));
  const int number = profiles.LoadLanguageNumber();
  Check(static_cast<std::uint32_t>(number) == expected);
  Check(notifier.shown == 0);

  profiles.SaveLanguageNumber(number);
  Check(files.fs.Bytes(path).size() == 4);
  Check(profiles.LoadLanguageNumber() == number);
  return 0;
}
