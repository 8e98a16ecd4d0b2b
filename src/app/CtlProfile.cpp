// zk40ctl profile INSTALL_FOLDER DATA_FOLDER: the start-up load of the
// profile files (first-run copy included), then the current profile in text.
#include <cstdio>

#include "app/ConsoleNotifier.h"
#include "app/CtlCommands.h"
#include "platform/SystemFileSystem.h"
#include "platform/Utf16Text.h"
#include "protocol/FunctionTable.h"
#include "settings/ProfileFiles.h"

namespace zk40 {
namespace {

class NoView final : public ProfileView {
 public:
  void ShowProfileSelected(int, bool) override {}
  void RefreshPages() override {}
};

constexpr const char* kButtonNames[kButtonCount] = {"left",    "middle",        "right",         "forward",
                                                    "back",    "wheel-forward", "wheel-backward"};

void PrintRecord(const SettingsStore& store) {
  const ProfileRecord& r = store.current_record;
  std::printf("profile %d\n", store.current_entry + 1);
  for (int b = 0; b < kButtonCount; ++b) {
    const ButtonAssignment& a = r.buttons[b];
    std::printf("button %d %s type %d label \"%s\"", b, kButtonNames[b], a.function_type,
                Utf16ToUtf8(ReadFixedText(a.label)).c_str());
    if (a.function_type == 6) std::printf(" macro 0x%08x", a.macro_id);
    if (a.function_type == 19)
      std::printf(" action 0x%02x path \"%s\"", a.host_action_kind, Utf16ToUtf8(ReadFixedText(a.target_path)).c_str());
    std::printf("\n");
  }
  std::printf("dpi");
  for (int s = 0; s < 5; ++s) std::printf(" %d", r.dpi_stages[s]);
  std::printf("\nreport_interval_ms %d\n", r.report_interval_ms);
  std::printf("led effect %d color %u %u %u custom %d preset %d levels %d %d proximity %d\n", r.led_effect,
              r.led_color[0], r.led_color[1], r.led_color[2], r.led_custom_color, r.led_preset_index,
              r.led_effect1_level, r.led_effect2_level, r.proximity_sensing);
  std::printf("pointer precision %d speed %d wheel_lines %d sheight %d\n", r.enhance_precision, r.pointer_speed,
              r.wheel_lines, r.sheight_level);
  std::printf("bound_macro_ids");
  for (std::uint32_t id : store.bound_macro_ids) std::printf(" %u", id);
  std::printf("\n");
}

}  // namespace

int RunProfileCommand(const std::vector<std::u16string>& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "zk40ctl profile: expected INSTALL_FOLDER DATA_FOLDER\n");
    return 2;
  }
  auto fs = CreateSystemFileSystem();
  auto store = std::make_unique<SettingsStore>();
  store->install_folder = args[0];
  store->data_folder = args[1];
  if (!fs->FolderExists(store->install_folder)) {
    std::fprintf(stderr, "zk40ctl profile: no folder %s\n", Utf16ToUtf8(args[0]).c_str());
    return 2;
  }
  ConsoleNotifier notifier(stderr);
  StringTable strings;
  NoView view;
  ProfileFiles files(*store, *fs, notifier, strings, view);
  files.CopyFactoryDataFiles();
  files.LoadProfileIndex();
  store->TakeBoundMacroIdsFromCurrentEntry();
  PrintRecord(*store);
  return 0;
}

}  // namespace zk40
