// The generator writes every picture the install folder and the program
// need, at its size, and the same bytes on every run.

#include <unistd.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "GeneratedSkins.h"
#include "skin/layout/ButtonPageLayout.h"
#include "skin/layout/DialogLayout.h"
#include "skin/layout/MainWindowLayout.h"
#include "skin/layout/PopupMenuLayout.h"
#include "skin/layout/ScrollBarSkinLayout.h"
#include "skin/layout/SkinFiles.h"
#include "skin/layout/SkinResourceIds.h"

namespace zk40::art::testing {
namespace {

namespace fs = std::filesystem;
using layout::Size;

std::string Ascii(std::u16string_view s) { return {s.begin(), s.end()}; }

fs::path InSkins(const fs::path& skins, std::u16string_view folder, std::u16string_view name) {
  return folder.empty() ? skins / Ascii(name) : skins / Ascii(folder) / Ascii(name);
}

void ExpectSize(const fs::path& path, Size size) {
  const Picture p = ReadPicture(path);
  EXPECT_EQ(p.width, size.width) << path;
  EXPECT_EQ(p.height, size.height) << path;
}

std::map<std::string, std::string> Contents(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream f(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << f.rdbuf();
    files[fs::relative(entry.path(), root).generic_string()] = bytes.str();
  }
  return files;
}

TEST(ArtworkGenerator, TwoRunsWriteByteIdenticalFiles) {
  const fs::path base = fs::temp_directory_path() / ("zk40-artwork-twice-" + std::to_string(::getpid()));
  ASSERT_TRUE(RunGenerator(base / "a"));
  ASSERT_TRUE(RunGenerator(base / "b"));
  auto a = Contents(base / "a");
  auto b = Contents(base / "b");
  // The resource script names its pictures by their absolute paths.
  a.erase("generated/skin_resources.rc");
  b.erase("generated/skin_resources.rc");
  EXPECT_GT(a.size(), 100u);
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, bytes] : a) EXPECT_TRUE(b[name] == bytes) << name << " differs between two runs";
  std::error_code ec;
  fs::remove_all(base, ec);
}

TEST_F(GeneratedSkins, EverySkinFileOfBothInstallsHasItsSize) {
  for (const char* set : {"en", "sc"}) {
    const fs::path skins = Skins(set);
    for (const layout::PageSkin* page : layout::kPageSkins) {
      for (std::u16string_view name : {page->normal, page->down, page->over}) {
        ExpectSize(InSkins(skins, page->folder, name), page->size);
      }
    }
    ExpectSize(InSkins(skins, layout::kSliderThumb.folder, layout::kSliderThumb.name), layout::kSliderThumb.size);
    for (const auto& f : layout::kStepIcons) ExpectSize(InSkins(skins, f.folder, f.name), f.size);
    for (const auto& f : layout::kGameMenuRows) ExpectSize(InSkins(skins, f.folder, f.name), f.size);
    for (const auto& f : {layout::kProgressNormal, layout::kProgressOver}) ExpectSize(InSkins(skins, f.folder, f.name), f.size);
    for (int level = 0; level < layout::kTrophyLevels; ++level) {
      ExpectSize(skins / "trophy" / ("trophy" + std::to_string(level) + "Down.bmp"), layout::kTrophySize);
    }
  }
}

TEST_F(GeneratedSkins, LanguageTypeFileNamesTheInstallLanguage) {
  for (const auto& [set, value] : {std::pair{"en", "0"}, std::pair{"sc", "1"}}) {
    std::ifstream f(Skins(set) / "languagetype.ini");
    std::stringstream text;
    text << f.rdbuf();
    EXPECT_EQ(text.str(), std::string("[languagetype]\r\nvalue=") + value + "\r\n");
  }
}

TEST_F(GeneratedSkins, ResourceScriptNamesEveryResourcePictureOnce) {
  std::ifstream script(ResourceScript());
  std::map<std::pair<std::string, int>, fs::path> named;
  std::string line;
  while (std::getline(script, line)) {
    if (line.rfind("//", 0) == 0 || line.empty()) continue;
    std::istringstream fields(line);
    int id = 0;
    std::string type, path;
    fields >> id >> type;
    std::getline(fields >> std::ws, path);
    ASSERT_GE(path.size(), 2u) << line;
    EXPECT_TRUE(named.emplace(std::pair{type, id}, path.substr(1, path.size() - 2)).second) << "twice: " << line;
  }
  std::map<std::pair<std::string, int>, Size> expected;
  for (int language = 1; language <= layout::kLanguageCount; ++language) {
    expected[{"BITMAP", layout::FlagBitmapId(language)}] = {37, 22};
    expected[{"PNG", layout::SmallFlagPngId(language)}] = {19, 11};
  }
  for (const auto& ids : {layout::kMainButtonsChinese, layout::kMainButtonsOther}) {
    for (int id : {ids.normal, ids.over, ids.down}) expected[{"BITMAP", id}] = layout::main_window::kSize;
  }
  for (const auto& ids : {layout::kButtonEntriesChinese, layout::kButtonEntriesOther}) {
    for (int id : {ids.normal, ids.over, ids.down}) expected[{"BITMAP", id}] = layout::button_page::kEntryPictureSize;
  }
  for (const auto& ids : {layout::kNoticeWithCancel, layout::kNoticeWithoutCancel}) {
    for (int id : {ids.normal, ids.over, ids.down}) expected[{"BITMAP", id}] = layout::notice::kSize;
  }
  expected[{"BITMAP", layout::kScrollBarSkinBitmap}] = layout::scroll_skin::kSize;
  expected[{"PNG", layout::kPopupFramePng}] = layout::popup::kFrameSize;
  for (int id : {layout::kTrayExitIcon, layout::kTrayConfigIcon, layout::kApplicationIcon}) expected[{"ICON", id}] = {};

  ASSERT_EQ(named.size(), expected.size());
  for (const auto& [key, size] : expected) {
    const auto it = named.find(key);
    ASSERT_NE(it, named.end()) << key.first << " " << key.second << " missing";
    if (key.first != "ICON") ExpectSize(it->second, size);
  }
}

// Icon directory: count, then 16-byte entries whose first byte is the width.
TEST_F(GeneratedSkins, ProgramIconHoldsSixteenThirtyTwoAndFortyEightPixelImages) {
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile((Resources() / ("icon" + std::to_string(layout::kApplicationIcon) + ".ico")).string(), bytes));
  ASSERT_GE(bytes.size(), 6u + 3 * 16);
  EXPECT_EQ(bytes[2], 1);  // icon, not cursor
  ASSERT_EQ(bytes[4], 3);
  EXPECT_EQ(bytes[6], 16);
  EXPECT_EQ(bytes[6 + 16], 32);
  EXPECT_EQ(bytes[6 + 32], 48);
  for (int i = 0; i < 3; ++i) {
    const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
    const std::uint32_t size = bytes[entry + 8] | bytes[entry + 9] << 8 | bytes[entry + 10] << 16 | bytes[entry + 11] << 24;
    const std::uint32_t offset =
        bytes[entry + 12] | bytes[entry + 13] << 8 | bytes[entry + 14] << 16 | bytes[entry + 15] << 24;
    EXPECT_LE(offset + size, bytes.size()) << "image " << i << " runs past the file";
  }
}

}  // namespace
}  // namespace zk40::art::testing
