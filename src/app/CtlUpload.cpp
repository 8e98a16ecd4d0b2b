// zk40ctl upload-trace DATA_FOLDER [--fail-feature HEX] [--unplug-after N]
// zk40ctl device-state DATA_FOLDER [same options]
// Both load the data folder as the driver does at start-up (Macro.cfg, the
// profile table and current profile, the bound macro ids) and run one upload
// against the emulated mouse; upload-trace prints every event of it,
// device-state what the mouse holds afterwards.
#include <cstdio>
#include <optional>
#include <string>

#include "UploadTrace.h"
#include "app/ConsoleNotifier.h"
#include "app/CtlCommands.h"
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

struct UploadArguments {
  std::u16string data_folder;
  UploadTraceOptions options;
};

// Nothing, after printing the reason, when the arguments are bad.
std::optional<UploadArguments> ParseArguments(const char* command, const std::vector<std::u16string>& args) {
  UploadArguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string arg = Utf16ToUtf8(args[i]);
    const bool hasValue = i + 1 < args.size();
    if (arg == "--fail-feature" && hasValue) {
      parsed.options.fail_feature = ParseHex(Utf16ToUtf8(args[++i]));
      if (!parsed.options.fail_feature) {
        std::fprintf(stderr, "zk40ctl %s: --fail-feature needs hex bytes, e.g. 03a0\n", command);
        return std::nullopt;
      }
    } else if (arg == "--unplug-after" && hasValue) {
      parsed.options.unplug_after = ParseCount(Utf16ToUtf8(args[++i]));
      if (!parsed.options.unplug_after) {
        std::fprintf(stderr, "zk40ctl %s: --unplug-after needs a number of transfers\n", command);
        return std::nullopt;
      }
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
  return parsed;
}

// The upload of the folder's current profile; nothing (with the reason
// printed) when the folder cannot be used.
std::optional<UploadTrace> TraceUpload(const char* command, const std::vector<std::u16string>& args) {
  const auto parsed = ParseArguments(command, args);
  if (!parsed) return std::nullopt;
  auto fs = CreateSystemFileSystem();
  if (!fs->FolderExists(parsed->data_folder)) {
    std::fprintf(stderr, "zk40ctl %s: cannot read the folder %s\n", command, Utf16ToUtf8(parsed->data_folder).c_str());
    return std::nullopt;
  }
  auto store = std::make_unique<SettingsStore>();
  store->data_folder = parsed->data_folder;
  ConsoleNotifier notifier(stderr);
  // No language file is loaded here: a missing file is named in English.
  StringTable strings;
  strings.Set("str_msg2", u"Failed to open file, check whether there is a %s path?");
  NoProfileView view;
  VirtualClock fileClock;  // the macro file's save waits; loading has none
  MacroStore(*store, *fs, notifier, strings, fileClock).Load();
  ProfileFiles(*store, *fs, notifier, strings, view).LoadProfileIndex();
  store->TakeBoundMacroIdsFromCurrentEntry();

  UploadTrace trace = RunUploadTrace(*store, parsed->options);
  if (!trace.opened) {
    std::fprintf(stderr, "zk40ctl %s: the emulated mouse was not found\n", command);
    return std::nullopt;
  }
  return trace;
}

}  // namespace

int RunUploadTraceCommand(const std::vector<std::u16string>& args) {
  const auto trace = TraceUpload("upload-trace", args);
  if (!trace) return 2;
  for (const std::string& line : trace->lines) std::printf("%s\n", line.c_str());
  return 0;
}

int RunDeviceStateCommand(const std::vector<std::u16string>& args) {
  const auto trace = TraceUpload("device-state", args);
  if (!trace) return 2;
  if (trace->succeeded) {
    std::printf("upload success\n");
  } else {
    std::printf("upload failure %d\n", trace->error_index);
  }
  std::printf("%s", trace->device_state.c_str());
  return 0;
}

}  // namespace zk40
