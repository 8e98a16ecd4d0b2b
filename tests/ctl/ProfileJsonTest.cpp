// Readable profile files: a record written as JSON and read back is the same
// record to the byte, for the factory profile and for records with every
// field drawn at random; the names in the file are those the README shows;
// and a file that is wrong anywhere is refused, naming the field.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include <nlohmann/json.hpp>

#include "app/ProfileFields.h"
#include "app/ProfileJson.h"
#include "platform/ByteImage.h"
#include "platform/Utf16Text.h"
#include "protocol/FunctionTable.h"
#include "settings/ProfileDefaults.h"

namespace zk40 {
namespace {

using Json = nlohmann::ordered_json;

bool SameBytes(const ProfileRecord& a, const ProfileRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Writes the record and reads it back; fails the test when it is refused.
std::unique_ptr<ProfileRecord> RoundTrip(const ProfileRecord& record) {
  const ProfileJsonRead read = ProfileFromJson(ProfileToJson(record));
  EXPECT_TRUE(read.record) << read.refusal.Message();
  return std::make_unique<ProfileRecord>(read.record.value_or(ProfileRecord{}));
}

ProfileRecord FactoryProfile() {
  const auto path = std::filesystem::path(ZK40_SOURCE_DIR) / "data" / "factory" / "Profile" / "Profile1.cfg";
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes.size(), sizeof(ProfileRecord)) << path;
  ProfileRecord record;
  AssignFromBytes(record, bytes);
  return record;
}

TEST(ProfileJsonTest, FactoryProfileComesBackByteForByte) {
  const auto factory = std::make_unique<ProfileRecord>(FactoryProfile());
  EXPECT_TRUE(SameBytes(*RoundTrip(*factory), *factory));

  // The defaults as a Chinese interface fills them: labels beyond ASCII.
  auto chinese = std::make_unique<ProfileRecord>();
  FillProfileDefaults(*chinese, true);
  EXPECT_TRUE(SameBytes(*RoundTrip(*chinese), *chinese));
}

// --- records with every field drawn at random ------------------------------

class RandomRecords {
 public:
  explicit RandomRecords(unsigned seed) : random_(seed) {}

  std::unique_ptr<ProfileRecord> Next() {
    auto r = std::make_unique<ProfileRecord>();
    std::memset(r.get(), 0, sizeof *r);
    r->record_magic = kRecordMagic;
    for (ButtonAssignment& a : r->buttons) {
      a.function_type = FunctionType();
      a.macro_id = Any<std::uint32_t>();
      a.host_action_kind = Pick<std::uint32_t>({0, 0xC0, 0xD0, 0xE0, 0xF0});
      // Half of them key combinations that have names, half any code at all.
      a.key_combo_code = Below(2) ? (Below(16) << 8 | Below(256) << 16) : Any<std::uint32_t>();
      a.host_action_value = Any<std::int32_t>();
      StoreText(a.target_path);
      StoreText(a.label);
    }
    const std::vector<std::int32_t> dpis = {0, 250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2250, 2500,
                                            2750, 3000, 3250, 3500, 4000, 5000, 6000, 7000};
    for (std::int32_t& stage : r->dpi_stages) stage = dpis[Below(dpis.size())];
    r->sheight_level = Between(1, 30);
    r->report_interval_ms = Pick<std::int32_t>({1, 2, 4, 8});
    r->led_effect = Between(1, 5);
    for (int c = 0; c < 3; ++c) r->led_color[c] = static_cast<std::uint8_t>(Below(256));
    r->led_custom_color = Between(0, 1);
    r->led_preset_index = Between(0, 25);
    r->proximity_sensing = Between(0, 1);
    r->enhance_precision = Between(0, 1);
    r->pointer_speed = Between(1, 20);
    r->led_effect1_level = Between(1, 10);
    r->led_effect2_level = Between(1, 5);
    r->wheel_lines = Below(5) == 0 ? -1 : Between(1, 30);
    return r;
  }

 private:
  std::uint32_t Below(std::size_t n) { return static_cast<std::uint32_t>(random_() % n); }
  std::int32_t Between(int lo, int hi) { return lo + static_cast<std::int32_t>(Below(static_cast<std::size_t>(hi - lo + 1))); }
  template <typename T>
  T Any() {
    return static_cast<T>(random_());
  }
  template <typename T>
  T Pick(std::initializer_list<T> values) {
    return *(values.begin() + Below(values.size()));
  }

  std::int32_t FunctionType() {
    if (Below(4) == 0) return Pick<std::int32_t>({0, 3, 7, 200, -5, 19, 6, 5});  // nameless numbers too
    const auto table = FunctionTable();
    return table[Below(table.size())].type;
  }

  // Up to 259 units of ASCII, CJK, characters beyond the BMP and, now and
  // then, a lone surrogate as a Windows file name may hold.
  void StoreText(char16_t (&field)[kTextFieldUnits]) {
    std::u16string text;
    const std::size_t length = Below(4) == 0 ? kTextFieldUnits - 1 : Below(40);
    while (text.size() < length) {
      switch (Below(8)) {
        case 0:
          if (text.size() + 2 <= length) AppendUtf16(text, static_cast<char32_t>(0x1F300 + Below(0x300)));
          break;
        case 1:
          text.push_back(static_cast<char16_t>(0x4E00 + Below(0x5000)));
          break;
        case 2:
          if (Below(8) == 0) text.push_back(static_cast<char16_t>(0xD800 + Below(0x800)));
          break;
        default:
          text.push_back(static_cast<char16_t>(0x20 + Below(0x5F)));
      }
    }
    StoreFixedText(field, text);
  }

  std::mt19937 random_;
};

TEST(ProfileJsonTest, RandomRecordsComeBackByteForByte) {
  RandomRecords records(20240611);
  for (int i = 0; i < 300; ++i) {
    const auto record = records.Next();
    const std::string json = ProfileToJson(*record);
    const ProfileJsonRead read = ProfileFromJson(json);
    ASSERT_TRUE(read.record) << "record " << i << ": " << read.refusal.Message() << "\n" << json;
    ASSERT_TRUE(SameBytes(*read.record, *record)) << "record " << i << "\n" << json;
  }
}

TEST(ProfileJsonTest, KeyCombinationTextGivesBackItsCode) {
  for (std::uint32_t modifiers : {0x00u, 0x01u, 0x02u, 0x03u, 0x05u, 0x0Fu, 0x10u, 0x80u, 0x8Fu}) {
    for (std::uint32_t usage = 0; usage < 256; ++usage) {
      const std::uint32_t code = modifiers << 8 | usage << 16;
      std::string problem;
      EXPECT_EQ(ParseKeyCombination(KeyCombinationText(code), problem), code)
          << std::hex << code << " as " << KeyCombinationText(code) << ": " << problem;
    }
  }
  std::string problem;
  EXPECT_EQ(ParseKeyCombination("Ctrl + Shift + A", problem), ParseKeyCombination("Shift + Ctrl + A", problem));
  EXPECT_EQ(KeyCombinationText(0x00040300), "Shift + Ctrl + A");
  // Keypad Enter and Enter share a name: the name would not give the code back.
  EXPECT_EQ(KeyCombinationText(0x00580000), "0x00580000");
  EXPECT_EQ(KeyCombinationText(0xDEADBEEF), "0xDEADBEEF");
}

// --- the names a file shows --------------------------------------------------

TEST(ProfileJsonTest, FileNamesFunctionsKeysColoursAndRates) {
  auto r = std::make_unique<ProfileRecord>();
  FillProfileDefaults(*r, false);
  r->buttons[3].function_type = 32;
  r->buttons[4].function_type = kKeyComboType;
  r->buttons[4].key_combo_code = 0x00040300;
  r->buttons[2].function_type = kHostActionType;
  r->buttons[2].host_action_kind = 0xD0;
  StoreFixedText(r->buttons[2].target_path, u"C:\\Games\\run.exe");
  r->buttons[1].function_type = 200;
  r->led_effect = 2;
  r->led_color[0] = 0x11, r->led_color[1] = 0x22, r->led_color[2] = 0x33;
  r->report_interval_ms = 2;
  r->wheel_lines = -1;

  const Json file = Json::parse(ProfileToJson(*r));
  EXPECT_EQ(file["buttons"]["left"]["function"], "Click");
  EXPECT_EQ(file["buttons"]["forward"]["function"], "Play/Pause");
  EXPECT_EQ(file["buttons"]["back"]["function"], "key combination");
  EXPECT_EQ(file["buttons"]["back"]["key_combination"], "Shift + Ctrl + A");
  EXPECT_EQ(file["buttons"]["right"]["host_action"], "run program");
  EXPECT_EQ(file["buttons"]["right"]["target_path"], "C:\\Games\\run.exe");
  EXPECT_EQ(file["buttons"]["middle"]["function"], 200);
  EXPECT_EQ(file["dpi_stages"], Json::parse("[750, 1000, 1500, 2000, 3000, 0, 0, 0]"));
  EXPECT_EQ(file["report_rate_hz"], 500);
  EXPECT_EQ(file["lighting"]["effect"], "breathing");
  EXPECT_EQ(file["lighting"]["color"], "#112233");
  EXPECT_EQ(file["lighting"]["proximity_sensing"], true);
  EXPECT_EQ(file["pointer"]["wheel_lines"], "one screen");
  EXPECT_EQ(file["sheight_level"], 15);
}

TEST(ProfileJsonTest, HandWrittenFormsAreTaken) {
  Json file = Json::parse(ProfileToJson(FactoryProfile()));
  file["dpi_stages"] = Json::parse("[500, 1000]");  // the stages left out are unused
  file["lighting"]["color"] = "#ff00aa";
  file["buttons"]["back"]["key_combination"] = "Ctrl + Alt + Delete";
  const ProfileJsonRead read = ProfileFromJson(file.dump());
  ASSERT_TRUE(read.record) << read.refusal.Message();
  EXPECT_EQ(read.record->dpi_stages[1], 1000);
  EXPECT_EQ(read.record->dpi_stages[2], 0);
  EXPECT_EQ(read.record->led_color[0], 0xFF);
  EXPECT_EQ(read.record->led_color[2], 0xAA);
  EXPECT_EQ(read.record->buttons[4].key_combo_code, 0x004C0500u);
}

// --- refusals ----------------------------------------------------------------

struct Refusal {
  const char* name;
  std::function<void(Json&)> change;
  const char* field;
  const char* problem;  // a part of the message
};

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// A path one character longer than the field takes.
const std::u16string kLongPath = u"C:\\" + std::u16string(257, u'p');  // 260 characters

const Refusal kRefusals[] = {
    // wrong types
    {"TextForNumber", [](Json& f) { f["buttons"]["left"]["macro_id"] = "12"; }, "buttons.left.macro_id", "must be a number"},
    {"NumberForFlag", [](Json& f) { f["lighting"]["proximity_sensing"] = 1; }, "lighting.proximity_sensing", "true or false"},
    {"NumberForText", [](Json& f) { f["buttons"]["back"]["label"] = 5; }, "buttons.back.label", "must be a text"},
    {"Fraction", [](Json& f) { f["pointer"]["speed"] = 10.5; }, "pointer.speed", "whole number"},
    {"TextForList", [](Json& f) { f["dpi_stages"] = "750"; }, "dpi_stages", "must be a list"},
    {"ListForObject", [](Json& f) { f["buttons"] = Json::array(); }, "buttons", "must be an object"},
    // out of range
    {"SpeedAbove", [](Json& f) { f["pointer"]["speed"] = 21; }, "pointer.speed", "21 is out of range 1..20"},
    {"SpeedBelow", [](Json& f) { f["pointer"]["speed"] = 0; }, "pointer.speed", "out of range"},
    {"WheelLines", [](Json& f) { f["pointer"]["wheel_lines"] = 31; }, "pointer.wheel_lines", "out of range"},
    {"WheelText", [](Json& f) { f["pointer"]["wheel_lines"] = "two screens"; }, "pointer.wheel_lines", "one screen"},
    {"Preset", [](Json& f) { f["lighting"]["preset"] = 26; }, "lighting.preset", "out of range 0..25"},
    {"Brightness", [](Json& f) { f["lighting"]["always_on_brightness"] = 11; }, "lighting.always_on_brightness", "1..10"},
    {"BreathingSpeed", [](Json& f) { f["lighting"]["breathing_speed"] = 0; }, "lighting.breathing_speed", "1..5"},
    {"Sheight", [](Json& f) { f["sheight_level"] = 31; }, "sheight_level", "1..30"},
    {"Dpi", [](Json& f) { f["dpi_stages"][2] = 1234; }, "dpi_stages[2]", "not a DPI of the mouse"},
    {"NegativeDpi", [](Json& f) { f["dpi_stages"][0] = -250; }, "dpi_stages[0]", "out of range"},
    {"NineStages", [](Json& f) { f["dpi_stages"].push_back(0); }, "dpi_stages", "at most 8"},
    {"ReportRate", [](Json& f) { f["report_rate_hz"] = 300; }, "report_rate_hz", "not a report rate"},
    {"NegativeMacroId", [](Json& f) { f["buttons"]["left"]["macro_id"] = -1; }, "buttons.left.macro_id", "out of range"},
    {"HugeMacroId", [](Json& f) { f["buttons"]["left"]["macro_id"] = 4294967296u; }, "buttons.left.macro_id", "out of range"},
    {"HugeFunction", [](Json& f) { f["buttons"]["left"]["function"] = 2147483648u; }, "buttons.left.function", "out of range"},
    {"HugeValue", [](Json& f) { f["buttons"]["left"]["host_action_value"] = -2147483649LL; }, "buttons.left.host_action_value", "out of range"},
    // unknown names
    {"FunctionName", [](Json& f) { f["buttons"]["middle"]["function"] = "Clik"; }, "buttons.middle.function", "unknown function name \"Clik\""},
    {"ChineseFunctionName", [](Json& f) { f["buttons"]["middle"]["function"] = "单击"; }, "buttons.middle.function", "unknown function name"},
    {"HostAction", [](Json& f) { f["buttons"]["right"]["host_action"] = "launch"; }, "buttons.right.host_action", "unknown host action"},
    {"Effect", [](Json& f) { f["lighting"]["effect"] = "rainbow"; }, "lighting.effect", "unknown effect"},
    {"KeyName", [](Json& f) { f["buttons"]["back"]["key_combination"] = "Ctrl + Foo"; }, "buttons.back.key_combination", "unknown key name \"Foo\""},
    {"Modifier", [](Json& f) { f["buttons"]["back"]["key_combination"] = "Hyper + A"; }, "buttons.back.key_combination", "not a modifier"},
    {"ModifierTwice", [](Json& f) { f["buttons"]["back"]["key_combination"] = "Ctrl + Ctrl + A"; }, "buttons.back.key_combination", "twice"},
    {"HexCode", [](Json& f) { f["buttons"]["back"]["key_combination"] = "0x1234567890"; }, "buttons.back.key_combination", "hex digits"},
    {"ColourName", [](Json& f) { f["lighting"]["color"] = "red"; }, "lighting.color", "#RRGGBB"},
    {"ColourShort", [](Json& f) { f["lighting"]["color"] = "#12345"; }, "lighting.color", "#RRGGBB"},
    // texts that do not fit their field
    {"LongPath", [](Json& f) { f["buttons"]["right"]["target_path"] = Utf16ToUtf8(kLongPath); }, "buttons.right.target_path", "260 characters long; at most 259 fit"},
    {"LongLabelOfPairs", [](Json& f) { f["buttons"]["right"]["label"] = Repeated("\xF0\x9F\x98\x80", 130); }, "buttons.right.label", "260 characters long"},
    {"LongPathAsUnits", [](Json& f) { f["buttons"]["right"]["target_path"] = Json(std::vector<int>(260, 0x41)); }, "buttons.right.target_path", "at most 259"},
    {"ZeroCharacter", [](Json& f) { f["buttons"]["right"]["target_path"] = std::string("a\0b", 3); }, "buttons.right.target_path", "zero character"},
    {"ZeroUnit", [](Json& f) { f["buttons"]["right"]["target_path"] = Json::parse("[65, 0, 66]"); }, "buttons.right.target_path[1]", "out of range 1..65535"},
    // the shape of the file
    {"MissingObject", [](Json& f) { f.erase("pointer"); }, "pointer", "is missing"},
    {"MissingButton", [](Json& f) { f["buttons"].erase("right"); }, "buttons.right", "is missing"},
    {"UnknownField", [](Json& f) { f["lighting"]["colour"] = "#000000"; }, "lighting.colour", "not a field"},
    {"Format", [](Json& f) { f["format"] = "zk30-profile"; }, "format", "zk40-profile"},
    {"Version", [](Json& f) { f["version"] = 2; }, "version", "must be 1"},
};

class ProfileJsonRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(ProfileJsonRefusalTest, NamesTheField) {
  Json file = Json::parse(ProfileToJson(FactoryProfile()));
  GetParam().change(file);
  const ProfileJsonRead read = ProfileFromJson(file.dump());
  ASSERT_FALSE(read.record);
  EXPECT_EQ(read.refusal.field, GetParam().field) << read.refusal.Message();
  EXPECT_NE(read.refusal.problem.find(GetParam().problem), std::string::npos) << read.refusal.Message();
}

INSTANTIATE_TEST_SUITE_P(BadFiles, ProfileJsonRefusalTest, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<Refusal>& p) { return std::string(p.param.name); });

TEST(ProfileJsonTest, TextThatIsNotAProfileFileIsRefusedAsAWhole) {
  const std::string factory = ProfileToJson(FactoryProfile());
  const std::string cut = factory.substr(0, factory.size() / 2);
  for (const std::string& text : {std::string(), std::string("[]"), std::string("null"), cut,
                                  std::string(100000, '[') + std::string(100000, ']')}) {
    const ProfileJsonRead read = ProfileFromJson(text);
    EXPECT_FALSE(read.record) << text.substr(0, 40);
    EXPECT_FALSE(read.refusal.problem.empty());
  }
  EXPECT_NE(ProfileFromJson(cut).refusal.problem.find("line"), std::string::npos);
}

TEST(ProfileJsonTest, AFieldGivenTwiceIsRefused) {
  std::string text = ProfileToJson(FactoryProfile());
  const std::string speed = "\"speed\": 10,";
  text.replace(text.find(speed), speed.size(), speed + " \"speed\": 20,");
  const ProfileJsonRead read = ProfileFromJson(text);
  ASSERT_FALSE(read.record);
  EXPECT_EQ(read.refusal.field, "pointer.speed");
  EXPECT_NE(read.refusal.problem.find("twice"), std::string::npos);
}

}  // namespace
}  // namespace zk40
