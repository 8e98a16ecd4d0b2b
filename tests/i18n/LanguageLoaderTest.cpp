// Filling the language string table, and the twelve language files we ship.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <thread>

#include "i18n/LanguageFiles.h"
#include "i18n/LanguageLoader.h"
#include "platform/CodePage.h"
#include "platform/SystemFileSystem.h"
#include "platform/Utf16Text.h"
#include "support/FakeFileSystem.h"

namespace zk40::test {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::string FullLanguage(std::string_view prefix, std::string_view skip = {}) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<language>\n <config>\n";
  for (std::string_view key : kStringKeys) {
    if (key == skip) continue;
    xml += "  <" + std::string(key) + ">" + std::string(prefix) + std::string(key) + "</" + std::string(key) +
           ">\n";
  }
  return xml + " </config>\n</language>\n";
}

class LanguageLoaderTest : public ::testing::Test {
 protected:
  void Load(std::string_view xml) {
    fs.AddFile(u"C:\\Language\\t.xml", Bytes(xml));
    LoadLanguageFile(document, u"C:\\Language\\t.xml", table);
  }
  std::string Get(std::string_view key) const { return Utf16ToUtf8(table.Get(key)); }

  std::unique_ptr<CodePage> codePage = CreateSystemCodePage();
  FakeFileSystem fs;
  SharedXmlDocument document{fs, *codePage};
  StringTable table;
};

TEST_F(LanguageLoaderTest, MissingKeyAfterAFullLanguageBecomesEmpty) {
  Load(FullLanguage("en:"));
  for (std::string_view key : kStringKeys) EXPECT_EQ(Get(key), "en:" + std::string(key));
  Load(FullLanguage("fr:", "str_about"));
  EXPECT_EQ(Get("str_about"), "");
  EXPECT_EQ(Get("str_main"), "fr:str_main");
}

TEST_F(LanguageLoaderTest, OnlyTheFirstConfigAndTheConfigsNestedInItAreSearched) {
  Load(
      "<root>"
      "<config><str_main>first</str_main><other/><config><config><str_ok>deep</str_ok></config></config></"
      "config>"
      "<config><str_main>second</str_main><str_sts>second</str_sts></config>"
      "</root>");
  EXPECT_EQ(Get("str_main"), "first");
  EXPECT_EQ(Get("str_ok"), "deep");
  EXPECT_EQ(Get("str_sts"), "");
}

TEST_F(LanguageLoaderTest, ElementTextRules) {
  Load(
      "<root><config>"
      "<str_main>  spaced  </str_main>"
      "<str_ok>Caf&eacute; &#x41;</str_ok>"
      "<str_sts><![CDATA[<b>&amp;</b>]]></str_sts>"
      "<str_about>text<b>bold</b></str_about>"
      "<STR_PL>case</STR_PL>"
      "</config></root>");
  EXPECT_EQ(Get("str_main"), "  spaced  ");
  EXPECT_EQ(Get("str_ok"), "Caf\xC3\xA9 A");
  EXPECT_EQ(Get("str_sts"), "<b>&amp;</b>");
  EXPECT_EQ(Get("str_about"), "");  // a key with child elements
  EXPECT_EQ(Get("str_PL"), "");     // keys match case and all
}

TEST_F(LanguageLoaderTest, UnreadableOrRootlessFileEmptiesEverything) {
  Load(FullLanguage("en:"));
  LoadLanguageFile(document, u"C:\\Language\\missing.xml", table);
  for (std::size_t i = 0; i < kStringKeyCount; ++i) EXPECT_EQ(table.At(i), u"");
  Load(FullLanguage("en:"));
  Load("<config><str_main>no root above</str_main></config>");
  EXPECT_EQ(Get("str_main"), "");
}

TEST_F(LanguageLoaderTest, SessionsDoNotInterleave) {
  // The update check reads its own file on another thread while languages load.
  fs.AddFile(u"C:\\update.xml",
             Bytes("<update><firmware><current>1.2</current><newfile>f.bin</newfile></firmware></update>"));
  fs.AddFile(u"C:\\Language\\en.xml", Bytes(FullLanguage("en:")));
  std::thread updater([this] {
    for (int i = 0; i < 200; ++i) {
      const SharedXmlDocument::Session doc = document.Open();
      doc->Load(u"C:\\update.xml");
      EXPECT_EQ(doc->Lookup(u"firmware", u"current"), u"1.2");
      EXPECT_EQ(doc->Lookup(u"firmware", u"newfile"), u"f.bin");
    }
  });
  for (int i = 0; i < 50; ++i) {
    LoadLanguageFile(document, u"C:\\Language\\en.xml", table);
    EXPECT_EQ(Get("str_firmware_version"), "en:str_firmware_version");
  }
  updater.join();
}

// The shipped files: every one loads with no parse message and fills all keys.
struct ShippedLanguage {
  const char* file;
  const char* sample_key;
  const char* sample;  // a word that shows the file is in its language
};

const ShippedLanguage kShipped[] = {
    {"sc.xml", "str_close", "\xE5\x85\xB3\xE9\x97\xAD"},  // 关闭
    {"en.xml", "str_close", "Close"},
    {"fre.xml", "str_close", "Fermer"},
    {"kor.xml", "str_close", "\xEB\x8B\xAB"},  // 닫
    {"ger.xml", "str_close", "schlie\xC3\x9F"},
    {"ita.xml", "str_close", "Chiudi"},
    {"span.xml", "str_close", "Cerrar"},
    {"dutch.xml", "str_close", "sluiten"},
    {"pt.xml", "str_close", "Fechar"},
    {"rus.xml", "str_close", "\xD0\x97\xD0\xB0\xD0\xBA\xD1\x80\xD1\x8B\xD1\x82\xD1\x8C"},  // Закрыть
    {"ukr.xml", "str_close", "\xD0\x97\xD0\xB0\xD0\xBA\xD1\x80\xD0\xB8\xD1\x82\xD0\xB8"},  // Закрити
    {"tw.xml", "str_close", "\xE9\x97\x9C\xE9\x96\x89"},                                   // 關閉
};

std::u16string WithBackslashes(const std::filesystem::path& folder) {
  std::u16string path = folder.u16string();
  for (char16_t& c : path)
    if (c == u'/') c = u'\\';
  return path;
}

std::u16string LanguageFolder() { return WithBackslashes(std::filesystem::path(ZK40_SOURCE_DIR) / "data" / "Language"); }

TEST(ShippedLanguageFiles, EachLoadsCleanlyAndFillsEveryKey) {
  auto fs = CreateSystemFileSystem();
  auto codePage = CreateSystemCodePage();
  SharedXmlDocument document(*fs, *codePage);
  for (const ShippedLanguage& language : kShipped) {
    SCOPED_TRACE(language.file);
    const std::u16string path = LanguageFolder() + u"\\" + Utf8ToUtf16(language.file);
    {
      const SharedXmlDocument::Session doc = document.Open();
      const bool loaded = doc->Load(path);
      EXPECT_TRUE(loaded) << Utf16ToUtf8(doc->ResultText());
      if (!loaded) continue;
      EXPECT_EQ(doc->ResultText().find(u"  "), std::u16string::npos) << Utf16ToUtf8(doc->ResultText());
    }
    StringTable table;
    LoadLanguageFile(document, path, table);
    for (std::size_t i = 0; i < kStringKeyCount; ++i) {
      EXPECT_FALSE(table.At(i).empty()) << kStringKeys[i];
    }
    EXPECT_NE(Utf16ToUtf8(table.Get(language.sample_key)).find(language.sample), std::string::npos);
    // The file-error message takes exactly one path.
    const std::u16string& msg2 = table.Get("str_msg2");
    EXPECT_EQ(std::count(msg2.begin(), msg2.end(), u'%'), 1);
    EXPECT_NE(msg2.find(u"%s"), std::u16string::npos);
    EXPECT_EQ(FormatText(msg2, u"C:\\x.cfg").find(u"%"), std::u16string::npos);
  }
}

// The shipped list above is in language-number order.
TEST(ShippedLanguageFiles, EachLanguageNumberLoadsItsOwnLanguage) {
  auto fs = CreateSystemFileSystem();
  auto codePage = CreateSystemCodePage();
  SharedXmlDocument document(*fs, *codePage);
  const std::u16string install = WithBackslashes(std::filesystem::path(ZK40_SOURCE_DIR) / "data");
  for (int number = 1; number <= kLanguageNumberCount; ++number) {
    SCOPED_TRACE(number);
    StringTable table;
    LoadLanguageFile(document, LanguageFilePath(install, number), table);
    EXPECT_NE(Utf16ToUtf8(table.Get("str_close")).find(kShipped[number - 1].sample), std::string::npos);
  }
  EXPECT_EQ(LanguageFilePath(install, 0), u"");
  EXPECT_EQ(LanguageFilePath(install, 13), u"");
}

TEST(ShippedLanguageFiles, AreExactlyTheTwelve) {
  std::set<std::string> names;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(ZK40_SOURCE_DIR) / "data" / "Language")) {
    names.insert(entry.path().filename().string());
  }
  std::set<std::string> expected;
  for (const ShippedLanguage& language : kShipped) expected.insert(language.file);
  EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace zk40::test
