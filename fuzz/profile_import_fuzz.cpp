// Fuzz target of a profile file on import: arbitrary bytes are imported, and
// whatever was taken is then read as the program reads a profile: labels,
// host actions, key combinations, button codes, DPI and lighting, a whole
// upload to the emulated mouse, and an export that must give the record back.
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "UploadTrace.h"
#include "platform/ByteImage.h"
#include "platform/KeyboardLayout.h"
#include "platform/Utf16Text.h"
#include "protocol/ButtonCodes.h"
#include "protocol/KeyNames.h"
#include "settings/ProfileDefaults.h"
#include "settings/SettingsTables.h"
#include "shell/HostAction.h"
#include "shell/MouseEventCodes.h"

namespace {

using namespace zk40;
using fuzz::Check;

const std::u16string kChosen = u"D:\\profiles\\chosen.cfg";
const std::u16string kExported = u"D:\\profiles\\exported.cfg";

void ReadLikeTheProgram(const ProfileRecord& record) {
  const AsciiKeyboardLayout layout;
  for (int b = 0; b < kButtonCount; ++b) {
    const ButtonAssignment& button = record.buttons[b];
    const std::u16string label = ReadFixedText(button.label);
    (void)TranslateFactoryLabel(label, true);
    (void)HostActionFor(kButtonEventCodes[static_cast<std::size_t>(b)], record);
    if (button.function_type == kKeyComboType) (void)ComboText(button.key_combo_code, layout);
    (void)FixedButtonCode(button);
    (void)FunctionName(button.function_type, b % 2 == 0);
  }
  const DpiTable dpi = BuildDpiTable(record.dpi_stages);
  Check(dpi.Selector() >= 0 && dpi.Selector() <= 3);
  (void)LedEffectValues(record);
  (void)LedColour(record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static auto store = std::make_unique<SettingsStore>();
  fuzz::InputFiles files(u"D:\\profiles");
  files.fs.AddFile(kChosen, fuzz::Input(data, size));
  fuzz::QuietNotifier notifier;
  fuzz::NoProfileView view;
  StringTable strings;
  ProfileFiles profiles(*store, files.fs, notifier, strings, view);

  FillProfileDefaults(store->current_record, false);
  const ProfileRecord before = store->current_record;
  profiles.ImportProfile(kChosen);
  const bool isProfile = LeadingWord(std::span(data, size)) == kRecordMagic;
  if (isProfile) {
    ProfileRecord expected;
    AssignFromBytes(expected, std::span(data, size));
    Check(std::memcmp(&store->current_record, &expected, sizeof expected) == 0);
  } else {
    Check(std::memcmp(&store->current_record, &before, sizeof before) == 0);
  }
  Check(notifier.shown == 1);

  const ProfileRecord& record = store->current_record;
  ReadLikeTheProgram(record);
  const UploadTrace trace = RunUploadTrace(*store, {});
  Check(trace.opened && !trace.lines.empty());

  profiles.ExportProfile(kExported);
  ProfileRecord exported;
  AssignFromBytes(exported, files.fs.Bytes(kExported));
  Check(std::memcmp(&exported, &record, sizeof record) == 0);
  return 0;
}
