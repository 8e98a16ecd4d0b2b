// How bytes become the document's text: marks, declarations, the UTF-8 test,
// nulls, byte order and code pages.
#include "XmlTesting.h"

#include "i18n/XmlTextDecoder.h"

namespace zk40::test {
namespace {

// "<r><k>é中😀</k></r>" in each form.
const std::string kUtf8 = "<r><k>\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80</k></r>";

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string out;
  for (char16_t c : text) {
    const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

TEST_F(XmlTest, FourEncodingsYieldTheSameText) {
  const std::u16string text = Utf8ToUtf16(kUtf8);
  struct Case {
    std::string bytes;
    std::string front;
  } cases[] = {
      {"\xEF\xBB\xBF" + kUtf8, "UTF-8 BOM + length 23 to 18 wide chars "},
      {kUtf8, "UTF-8 length 23 to 18 wide chars "},
      {"\xFF\xFE" + Utf16Bytes(text, false), "UTF-16LE BOM + length 18 "},
      {"\xFE\xFF" + Utf16Bytes(text, true), "UTF-16BE BOM + length 18 endian swap "},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Load(c.bytes)) << c.front;
    EXPECT_EQ(doc.Text(), text) << c.front;
    EXPECT_EQ(Result(), c.front);
    EXPECT_EQ(Data(u"k"), "\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
  }
}

TEST_F(XmlTest, Utf16LittleEndianWithoutMarkReadsAsciiOnly) {
  // Its zero bytes are removed and the rest is UTF-8; é (E9 00) cannot survive.
  EXPECT_TRUE(Load(Utf16Bytes(u"<r><k>ab</k></r>", false)));
  EXPECT_EQ(Text(), "<r><k>ab</k></r>");
  EXPECT_EQ(Result(), "UTF-8 length 32 (16 nulls removed) to 16 wide chars ");
  Load(Utf16Bytes(u"<r><k>\u00e9</k></r>", false));
  EXPECT_EQ(Data(u"k"), "\xEF\xBF\xBD");
}

TEST_F(XmlTest, UndeclaredDataNotStartingWithATagIsTestedForUtf8) {
  EXPECT_TRUE(Load(" <r>\xC3\xA9</r>"));
  EXPECT_EQ(Text(), " <r>\xC3\xA9</r>");
  EXPECT_EQ(Result(), "UTF-8 length 10 (used UTF-8 detection) to 9 wide chars ");
  // Not UTF-8: the ANSI code page (Windows-1252 here) decodes it.
  EXPECT_TRUE(Load(" <r>\xE9</r>"));
  EXPECT_EQ(Text(), " <r>\xC3\xA9</r>");
  EXPECT_EQ(Result(), "ANSI length 9 (used UTF-8 detection) to 9 wide chars ");
}

TEST_F(XmlTest, DeclaredEncodingChoosesTheCodePage) {
  EXPECT_TRUE(Load("<?xml version=\"1.0\" encoding=\"gb2312\"?><r>\xD6\xD0\xCE\xC4</r>"));
  EXPECT_NE(Text().find("<r>\xE4\xB8\xAD\xE6\x96\x87</r>"), std::string::npos);
  EXPECT_EQ(Result().substr(0, 7), "gb2312 ");

  // Names and values of the declaration are compared without case.
  EXPECT_TRUE(Load("<?XML Encoding='KOI8-R'?><r>\xE1</r>"));
  EXPECT_NE(Text().find("<r>\xD0\x90</r>"), std::string::npos);  // А

  // A charset in an html Content-Type meta element, before the head ends.
  const std::string html =
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">";
  Load(html + "</head><body>\xC0</body></html>");
  EXPECT_NE(Text().find("<body>\xD0\x90</body>"), std::string::npos);
  EXPECT_EQ(Result().substr(0, 13), "windows-1251 ");
  Load(
      "<html><head></head><meta http-equiv='content-type' content='text/html; "
      "charset=windows-1251'>\xC0</html>");
  EXPECT_EQ(Result().substr(0, 6), "UTF-8 ");
}

TEST_F(XmlTest, DeclaredEncodingScanRules) {
  EXPECT_EQ(DeclaredEncoding(u"<?xml version='1.0'?><r/>"), std::nullopt);
  EXPECT_EQ(DeclaredEncoding(u" <?xml encoding='gbk'?>"), std::nullopt);  // not at offset 0
  EXPECT_EQ(DeclaredEncoding(u"<?xml encoding=big5 ?>"), u"big5");
  EXPECT_EQ(DeclaredEncoding(u"<!DOCTYPE html><!-- x --><HTML><Meta HTTP-EQUIV=content-type "
                             u"CONTENT='text/html;charset = big5'>"),
            u"big5");
  EXPECT_EQ(DeclaredEncoding(u"<body><html><meta http-equiv='Content-Type' content='charset=big5'>"),
            std::nullopt);
  EXPECT_EQ(DeclaredEncoding(u"<html><meta http-equiv='Refresh' content='charset=big5'>"), std::nullopt);
  EXPECT_EQ(DeclaredEncoding(u"<html><meta http-equiv='Content-Type' content='text/html'>"), std::nullopt);
  EXPECT_EQ(DeclaredEncoding(u"<html><1bad><meta http-equiv='Content-Type' content='charset=big5'>"),
            std::nullopt);
}

TEST_F(XmlTest, UnknownEncodingNameFallsBackToTheAnsiCodePage) {
  EXPECT_TRUE(Load("<?xml encoding=\"no-such-thing\"?><r>\xE9</r>"));
  EXPECT_NE(Text().find("<r>\xC3\xA9</r>"), std::string::npos);
  EXPECT_EQ(Result().substr(0, 14), "no-such-thing ");
}

TEST_F(XmlTest, Utf16NameOnEightBitDataKeepsTheText) {
  // The conversion cannot be through UTF-16 on 8-bit data; the text survives
  // through the ANSI code page instead of vanishing.
  EXPECT_TRUE(Load("<?xml version='1.0' encoding='UTF-16'?><r>ab\xE9</r>"));
  EXPECT_NE(Text().find("<r>ab\xC3\xA9</r>"), std::string::npos);
}

TEST_F(XmlTest, CodePageTheSystemLacksFallsBackToAnsi) {
  // A name of the table whose code page cannot be converted here keeps its
  // text through the ANSI code page instead of losing it.
  EXPECT_TRUE(Load("<?xml encoding='x-ebcdic-koreanandkoreanextended'?><r>ab\xE9</r>"));
  EXPECT_NE(Text().find("<r>ab\xC3\xA9</r>"), std::string::npos);
}

TEST_F(XmlTest, Utf32IsRejected) {
  EXPECT_FALSE(Load("<?xml version='1.0' encoding='UTF-32'?><r/>"));
  EXPECT_EQ(Text(), "");
  EXPECT_EQ(Result(), "UTF-32 length 43 (UTF-32 cannot be read)  Empty document");
  EXPECT_FALSE(Load("<?xml version='1.0' encoding='utf-32be'?><r/>"));
  EXPECT_EQ(Text(), "");
}

TEST_F(XmlTest, NullsAreRemovedAndCounted) {
  EXPECT_TRUE(Load(std::string("<r>a\0b\0</r>", 11)));
  EXPECT_EQ(Text(), "<r>ab</r>");
  EXPECT_EQ(Result(), "UTF-8 length 11 (2 nulls removed) to 9 wide chars ");
  EXPECT_TRUE(Load("\xFF\xFE" + Utf16Bytes(u"<r>a", false) + std::string("\0\0", 2) +
                   Utf16Bytes(u"</r>", false) + "x"));
  EXPECT_EQ(Text(), "<r>a</r>");  // the odd last byte is no unit
  EXPECT_EQ(Result(), "UTF-16LE BOM + length 9 (1 nulls removed) ");
}

TEST_F(XmlTest, EmptyFiles) {
  EXPECT_FALSE(Load(""));
  EXPECT_EQ(Result(), "ANSI 0 length  Empty document");
  EXPECT_FALSE(Load("\xEF\xBB\xBF"));
  EXPECT_EQ(Result(), "UTF-8 BOM + 0 length  Empty document");
  EXPECT_FALSE(Load("just text"));
  EXPECT_EQ(Result(), "UTF-8 length 9 (used UTF-8 detection) to 9 wide chars  No root element");
}

TEST_F(XmlTest, UnreadableFileLeavesAnEmptyDocument) {
  ASSERT_TRUE(Load("<r><k>v</k></r>"));
  EXPECT_FALSE(doc.Load(u"C:\\missing.xml"));
  EXPECT_EQ(Result(), "The system cannot find the file specified.");
  EXPECT_EQ(doc.ReadStatus(), FileStatus::not_found);
  EXPECT_EQ(doc.Elements().size(), 1);
  EXPECT_EQ(Lookup(u"r", u"k"), "");

  fs.AddFile(u"C:\\data\\a.xml", Bytes("<r><k>v</k></r>"));
  fs.Fail(FsOp::read, u"C:\\data\\a.xml", FileStatus::access_denied);
  EXPECT_FALSE(doc.Load(u"C:\\data\\a.xml"));
  EXPECT_EQ(Result(), "Access is denied.");
  fs.ClearFaults();
  EXPECT_TRUE(doc.Load(u"C:\\data\\a.xml"));
  EXPECT_EQ(doc.ReadStatus(), FileStatus::ok);
}

TEST(Utf8Test, FollowsTheLeadByteAndStopsAtZero) {
  EXPECT_TRUE(PassesUtf8Test(Bytes("plain \xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80")));
  EXPECT_FALSE(PassesUtf8Test(Bytes("\xE4\xB8")));  // cut by the end
  EXPECT_FALSE(
      PassesUtf8Test(Bytes("\xC3"
                           "a")));  // continuation below 0x80
  EXPECT_FALSE(PassesUtf8Test(Bytes("\xF8\x80\x80\x80\x80")));
  EXPECT_TRUE(PassesUtf8Test(Bytes(std::string("ok\0\xFF", 4))));
}

}  // namespace
}  // namespace zk40::test
