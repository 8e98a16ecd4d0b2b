#include "app/CtlDataFolder.h"

#include <cstdio>

#include "app/ConsoleNotifier.h"
#include "macros/MacroStore.h"
#include "platform/SystemFileSystem.h"
#include "platform/Utf16Text.h"
#include "settings/ProfileFiles.h"

namespace zk40 {
namespace {

class NoProfileView final : public ProfileView {
 public:
  void ShowProfileSelected(int, bool) override {}
  void RefreshPages() override {}
};

std::optional<std::vector<std::uint8_t>> ParseHex(const std::string& text) {
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (text.empty() || text.size() % 2 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = digit(text[i]), low = digit(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
  }
  return bytes;
}

std::optional<std::size_t> ParseCount(const std::string& text) {
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return static_cast<std::size_t>(std::stoul(text));
}

}  // namespace

std::optional<UploadArguments> ParseUploadArguments(const char* command, const std::vector<std::u16string>& args,
                                                    UploadFlags flags) {
  UploadArguments parsed;
  const bool apply = flags == UploadFlags::apply;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string arg = Utf16ToUtf8(args[i]);
    const bool hasValue = i + 1 < args.size();
    if (arg == "--fail-feature" && hasValue) {
      parsed.mouse_faults.fail_feature = ParseHex(Utf16ToUtf8(args[++i]));
      if (!parsed.mouse_faults.fail_feature) {
        std::fprintf(stderr, "zk40ctl %s: --fail-feature needs hex bytes, e.g. 03a0\n", command);
        return std::nullopt;
      }
    } else if (arg == "--unplug-after" && hasValue) {
      parsed.mouse_faults.unplug_after = ParseCount(Utf16ToUtf8(args[++i]));
      if (!parsed.mouse_faults.unplug_after) {
        std::fprintf(stderr, "zk40ctl %s: --unplug-after needs a number of transfers\n", command);
        return std::nullopt;
      }
    } else if (apply && arg == "--trace") {
      parsed.trace = true;
    } else if (apply && arg == "--emulated-mouse") {
      parsed.emulated_mouse = true;
    } else if (parsed.data_folder.empty() && arg.rfind("--", 0) != 0) {
      parsed.data_folder = args[i];
    } else {
      std::fprintf(stderr, "zk40ctl %s: unexpected argument '%s'\n", command, arg.c_str());
      return std::nullopt;
    }
  }
  if (parsed.data_folder.empty()) {
    std::fprintf(stderr, "zk40ctl %s: expected DATA_FOLDER\n", command);
    return std::nullopt;
  }
  // A real mouse cannot be told to fail.
  if (apply && !parsed.emulated_mouse && (parsed.mouse_faults.fail_feature || parsed.mouse_faults.unplug_after)) {
    std::fprintf(stderr, "zk40ctl %s: --fail-feature and --unplug-after need the emulated mouse\n", command);
    return std::nullopt;
  }
  return parsed;
}

std::unique_ptr<SettingsStore> LoadDataFolder(const char* command, const std::u16string& folder) {
  auto fs = CreateSystemFileSystem();
  if (!fs->FolderExists(folder)) {
    std::fprintf(stderr, "zk40ctl %s: cannot read the folder %s\n", command, Utf16ToUtf8(folder).c_str());
    return nullptr;
  }
  auto store = std::make_unique<SettingsStore>();
  store->data_folder = folder;
  ConsoleNotifier notifier(stderr);
  // No language file is loaded here: a missing file is named in English.
  StringTable strings;
  strings.Set("str_msg2", u"Failed to open file, check whether there is a %s path?");
  NoProfileView view;
  VirtualClock fileClock;  // the macro file's save waits; loading has none
  MacroStore(*store, *fs, notifier, strings, fileClock).Load();
  ProfileFiles(*store, *fs, notifier, strings, view).LoadProfileIndex();
  store->TakeBoundMacroIdsFromCurrentEntry();
  return store;
}

}  // namespace zk40
