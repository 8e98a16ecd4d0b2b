#include <gtest/gtest.h>

#include "device/FirmwareVersion.h"
#include "device/UpdateDescription.h"
#include "platform/CodePage.h"
#include "platform/Utf16Text.h"
#include "support/FakeFileSystem.h"

namespace zk40 {
namespace {

TEST(FirmwareVersionTest, TextsConvertAsPlainDecimalNumbers) {
  EXPECT_EQ(ParseVersionText(u""), 0u);
  EXPECT_EQ(ParseVersionText(u"17"), 17u);
  EXPECT_EQ(ParseVersionText(u" \t\n17"), 17u);
  EXPECT_EQ(ParseVersionText(u"+5"), 5u);
  EXPECT_EQ(ParseVersionText(u"12abc"), 12u);
  EXPECT_EQ(ParseVersionText(u"v12"), 0u);
  EXPECT_EQ(ParseVersionText(u"-3"), 0u);
  EXPECT_EQ(ParseVersionText(u"4294967295"), 4294967295u);
  EXPECT_EQ(ParseVersionText(u"4294967296"), std::nullopt);
  EXPECT_EQ(ParseVersionText(u"000000000000000000000018"), 18u);
}

TEST(FirmwareVersionTest, NewerMeansGreaterAndAnOversizedVersionNeverIs) {
  EXPECT_TRUE(IsNewerFirmware(u"18", u"17"));
  EXPECT_FALSE(IsNewerFirmware(u"17", u"17"));
  EXPECT_FALSE(IsNewerFirmware(u"16", u"17"));
  // No version read from the mouse: anything above 0 is newer.
  EXPECT_TRUE(IsNewerFirmware(u"1", u""));
  EXPECT_FALSE(IsNewerFirmware(u"0", u""));
  EXPECT_FALSE(IsNewerFirmware(u"", u""));
  // Negative and oversized texts would pass an unsigned comparison of a plain conversion.
  EXPECT_FALSE(IsNewerFirmware(u"-1", u"17"));
  EXPECT_FALSE(IsNewerFirmware(u"99999999999", u"17"));
}

TEST(UpdateAddressTest, OnlyWebAddressesWithAHostAreAccepted) {
  for (const char16_t* good : {u"http://update.example.com/zk40/fw.bin", u"HTTPS://h/fw.bin?v=18",
                               u"http://127.0.0.1:8080/fw.bin"}) {
    EXPECT_TRUE(IsAcceptableImageAddress(good)) << Utf16ToUtf8(good);
  }
  for (const char16_t* bad : {u"", u"C:\\Windows\\fw.bin", u"\\\\server\\share\\fw.bin", u"fw.bin",
                              u"file:///C:/fw.bin", u"ftp://h/fw.bin", u"http://", u"http:///fw.bin",
                              u"http://h/a b.bin", u"http://h\\fw.bin", u" http://h/fw.bin", u"http://h/fw.bin\n",
                              u"httpx://h/fw.bin", u"http:/h/fw.bin", u"http://:80/fw.bin"}) {
    EXPECT_FALSE(IsAcceptableImageAddress(bad)) << Utf16ToUtf8(bad);
  }
  std::u16string longest = u"http://h/" + std::u16string(kMaxImageAddressUnits - 9, u'a');
  EXPECT_TRUE(IsAcceptableImageAddress(longest));
  EXPECT_FALSE(IsAcceptableImageAddress(longest + u"a"));
}

TEST(UpdateAddressTest, TheDescriptionLivesAtAFixedPathOfTheServer) {
  EXPECT_EQ(Utf16ToUtf8(DescriptionUrl(u"http://127.0.0.1:8080")), "http://127.0.0.1:8080/software/zk40/update.xml");
  EXPECT_EQ(Utf16ToUtf8(DescriptionUrl(u"http://h/")), "http://h/software/zk40/update.xml");
  EXPECT_EQ(Utf16ToUtf8(DefaultUpdateServer()).rfind("http", 0), 0u);
  EXPECT_EQ(Utf16ToUtf8(FirmwareImagePath(u"C:\\ZK40")), "C:\\ZK40\\FWUpdate\\new_version\\OstrelGameDevice.bin");
  EXPECT_EQ(Utf16ToUtf8(FlasherPath(u"C:\\ZK40")), "C:\\ZK40\\FWUpdate\\ZizedoRI.exe");
}

TEST(UpdateAddressTest, AnOverrideServesOnlyWhenItIsAWebAddress) {
  const std::u16string builtIn = u"http://update.example.com";
  EXPECT_EQ(Utf16ToUtf8(ChooseUpdateServer(u"http://127.0.0.1:8765", builtIn)), "http://127.0.0.1:8765");
  // Unset, a file path or another scheme: the built-in server, never none.
  for (const char16_t* unusable : {u"", u"C:\\updates", u"file:///C:/updates", u"ftp://h"}) {
    EXPECT_EQ(Utf16ToUtf8(ChooseUpdateServer(unusable, builtIn)), "http://update.example.com") << Utf16ToUtf8(unusable);
  }
}

class UpdateDescriptionTest : public ::testing::Test {
 protected:
  std::optional<UpdateDescription> Parse(const std::string& text) {
    return ParseUpdateDescription(xml, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  std::unique_ptr<CodePage> codePage = CreateSystemCodePage();
  test::FakeFileSystem fs;
  SharedXmlDocument xml{fs, *codePage};
};

TEST_F(UpdateDescriptionTest, KeysAreReadUnderFirmware) {
  const auto d = Parse("<update><firmware><current>18</current><newfile>http://h/fw.bin</newfile></firmware></update>");
  ASSERT_TRUE(d);
  EXPECT_EQ(Utf16ToUtf8(d->current), "18");
  EXPECT_EQ(Utf16ToUtf8(d->newfile), "http://h/fw.bin");
  const auto missing = Parse("<update><firmware><current>18</current></firmware></update>");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->newfile, u"");
}

TEST_F(UpdateDescriptionTest, MalformedOrOversizedDescriptionsAreRefused) {
  EXPECT_FALSE(Parse("<update><firmware><current>18</current></firmware>"));
  EXPECT_FALSE(Parse("<update><firmware><current>18</firmware></current></update>"));
  EXPECT_FALSE(Parse("<a/><b/>"));
  EXPECT_FALSE(Parse(""));
  EXPECT_FALSE(Parse("just text"));

  const std::string head = "<update><firmware><current>18</current></firmware>";
  const std::string tail = "</update>";
  std::string exact = head + std::string(kMaxDescriptionBytes - head.size() - tail.size(), ' ') + tail;
  ASSERT_EQ(exact.size(), kMaxDescriptionBytes);
  EXPECT_TRUE(Parse(exact));
  EXPECT_FALSE(Parse(head + " " + exact.substr(head.size())));

  // A file is read one byte past the cap, so an oversized one is told apart.
  fs.AddFile(u"C:\\u.xml", std::vector<std::uint8_t>(exact.begin(), exact.end()));
  EXPECT_TRUE(ReadUpdateDescription(fs, xml, u"C:\\u.xml"));
  exact.insert(head.size(), " ");
  fs.AddFile(u"C:\\u.xml", std::vector<std::uint8_t>(exact.begin(), exact.end()));
  EXPECT_FALSE(ReadUpdateDescription(fs, xml, u"C:\\u.xml"));
  EXPECT_FALSE(ReadUpdateDescription(fs, xml, u"C:\\none.xml"));
}

}  // namespace
}  // namespace zk40
