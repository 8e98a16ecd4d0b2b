// The system's code-page conversion: iconv natively, MultiByteToWideChar
// under Wine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CodePage.h"

namespace zk40 {
namespace {

std::u16string Convert(std::uint32_t codePage, std::string_view bytes) {
  auto cp = CreateSystemCodePage();
  const std::span<const std::uint8_t> in(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  const std::size_t units = cp->ToUtf16(codePage, in, {});
  std::u16string out(units, u'\0');
  EXPECT_EQ(cp->ToUtf16(codePage, in, out), units);
  return out;
}

TEST(CodePageTest, ConvertsTheCodePagesFilesDeclare) {
  EXPECT_EQ(Convert(936, "\xD6\xD0\xCE\xC4 gb"), u"\u4e2d\u6587 gb");
  EXPECT_EQ(Convert(950, "\xA4\xA4\xA4\xE5"), u"\u4e2d\u6587");
  EXPECT_EQ(Convert(932, "\x93\xfa\x96\x7b"), u"\u65e5\u672c");
  EXPECT_EQ(Convert(949, "\xC7\xD1\xB1\xDB"), u"\ud55c\uae00");
  EXPECT_EQ(Convert(1252, "\x80\xE9"), u"\u20ac\u00e9");
  EXPECT_EQ(Convert(1251, "\xC0\xFF"), u"\u0410\u044f");
  EXPECT_EQ(Convert(20866, "\xE1"), u"\u0410");
  EXPECT_EQ(Convert(28591, "\xE9\xFF"), u"\u00e9\u00ff");
  EXPECT_EQ(Convert(65001, "\xF0\x9F\x98\x80"), u"\U0001F600");
  EXPECT_EQ(Convert(20127, "plain"), u"plain");
}

TEST(CodePageTest, AnsiCodePageIsWestern) { EXPECT_EQ(Convert(kAnsiCodePage, "caf\xE9"), u"caf\u00e9"); }

TEST(CodePageTest, InvalidBytesBecomeReplacementsAndConversionGoesOn) {
  const std::u16string text = Convert(65001,
                                      "a\xFF"
                                      "b\xE4\xB8");
  ASSERT_GE(text.size(), 3u);
  EXPECT_EQ(text.substr(0, 3), u"a\uFFFDb");
  EXPECT_EQ(text.back(), u'\uFFFD');
}

TEST(CodePageTest, FailuresReturnZero) {
  auto cp = CreateSystemCodePage();
  const std::uint8_t bytes[] = {'a', 'b', 'c'};
  EXPECT_EQ(cp->ToUtf16(1252, {}, {}), 0u);
  EXPECT_EQ(cp->ToUtf16(54321, bytes, {}), 0u);  // no such code page
  char16_t small[2];
  EXPECT_EQ(cp->ToUtf16(1252, bytes, small), 0u);  // no room
  char16_t room[3];
  EXPECT_EQ(cp->ToUtf16(1252, bytes, room), 3u);
  EXPECT_EQ(std::u16string(room, 3), u"abc");
}

}  // namespace
}  // namespace zk40
