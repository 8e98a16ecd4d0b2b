#include <gtest/gtest.h>

#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

TEST(FixedText, LongTextKeeps259UnitsAndATerminator) {
  char16_t field[kTextFieldUnits + 2];
  std::fill(std::begin(field), std::end(field), u'#');
  StoreFixedText(field, kTextFieldUnits, std::u16string(400, u'a'));
  EXPECT_EQ(ReadFixedText(field, kTextFieldUnits), std::u16string(259, u'a'));
  EXPECT_EQ(field[259], u'\0');
  EXPECT_EQ(field[260], u'#') << "wrote past the field";
}

TEST(FixedText, CutNeverLeavesHalfASurrogatePair) {
  char16_t field[4];
  StoreFixedText(field, u"ab\U0001F600");  // a, b, high, low: only 3 units fit
  EXPECT_EQ(ReadFixedText(field), u"ab");
  StoreFixedText(field, u"a\U0001F600");   // exactly 3 units: kept whole
  EXPECT_EQ(ReadFixedText(field), u"a\U0001F600");
}

TEST(FixedText, ShortTextIsZeroPaddedAndUnterminatedFieldStopsAtItsEnd) {
  char16_t field[6];
  std::fill(std::begin(field), std::end(field), u'x');
  StoreFixedText(field, u"ab");
  for (int i = 2; i < 6; ++i) EXPECT_EQ(field[i], u'\0');
  std::fill(std::begin(field), std::end(field), u'y');
  EXPECT_EQ(ReadFixedText(field), u"yyyyyy");
}

TEST(Utf8, RoundTripsAndReplacesInvalidSequences) {
  const std::u16string text = u"Profil \u00e9 \u914d\u7f6e \U0001F600";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");          // cut sequence
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong slash
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");  // lone surrogate
}

TEST(FormatText, FillsOnlyTheFirstPlaceholder) {
  EXPECT_EQ(FormatText(u"%s is an invaild Profile!", u"C:\\a.cfg"), u"C:\\a.cfg is an invaild Profile!");
  EXPECT_EQ(FormatText(u"%s and %s", u"x"), u"x and %s");
  EXPECT_EQ(FormatText(u"100%% %d %n %s", u"p"), u"100% %d %n p");
  EXPECT_EQ(FormatText(u"no placeholder", u"p"), u"no placeholder");
  EXPECT_EQ(FormatText(u"trailing %", u"p"), u"trailing %");
  EXPECT_EQ(FormatText(u"%s", u"%s"), u"%s");
}

}  // namespace
}  // namespace zk40
