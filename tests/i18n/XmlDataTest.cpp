// Element data and the position operations the lookups are made of.
#include "XmlTesting.h"

#include "i18n/CharacterReferences.h"
#include "i18n/XmlLexer.h"

namespace zk40::test {
namespace {

std::string Decoded(std::u16string_view text) {
  std::u16string out;
  AppendDecoded(text, out);
  return U8(out);
}

TEST(CharacterReferencesTest, NamedAndNumericReferences) {
  EXPECT_EQ(Decoded(u"&eacute;&Eacute;&EACUTE;"), "\xC3\xA9\xC3\x89\xC3\x89");
  EXPECT_EQ(Decoded(u"&AMP;&amp;&apos;&lt;&gt;&quot;&nbsp;"), "&&'<>\"\xC2\xA0");
  EXPECT_EQ(Decoded(u"&#X41;&#x41;&#65;&#x1F600;"), "AAA\xF0\x9F\x98\x80");
  EXPECT_EQ(Decoded(u"&PRIME;&prime;&Prime;&thetasym;"), "\xE2\x80\xB3\xE2\x80\xB2\xE2\x80\xB3\xCF\x91");
}

TEST(CharacterReferencesTest, WhatCannotBeDecodedStaysAsWritten) {
  EXPECT_EQ(Decoded(u"&#0;&#x0;&nosuch;&;&#;&#x;&#12a;"), "&#0;&#x0;&nosuch;&;&#;&#x;&#12a;");
  EXPECT_EQ(Decoded(u"&#x110000;&#1114112;"), "&#x110000;&#1114112;");  // beyond Unicode
  EXPECT_EQ(Decoded(u"&verylongname;&amp"), "&verylongname;&amp");      // no ";" within nine
  EXPECT_EQ(Decoded(u"&\u00e9;&amp;"), "&\xC3\xA9;&");                  // non-ASCII before ";"
  EXPECT_EQ(Decoded(u"a & b &&amp; c"), "a & b && c");
  EXPECT_EQ(Decoded(u"&#00000065;"), "&#00000065;");
  EXPECT_EQ(Decoded(u"&#0000065;"), "A");
}

TEST(CharacterReferencesTest, EntityTableCoversHtmlWithCaseRules) {
  EXPECT_EQ(EntityCodePoint(u"yuml"), 255u);
  EXPECT_EQ(EntityCodePoint(u"Yuml"), 376u);
  EXPECT_EQ(EntityCodePoint(u"YUML"), 376u);
  EXPECT_EQ(EntityCodePoint(u"Sigma"), 931u);
  EXPECT_EQ(EntityCodePoint(u"sigmaf"), 962u);
  EXPECT_EQ(EntityCodePoint(u"Euro"), 8364u);
  EXPECT_EQ(EntityCodePoint(u"diams"), 9830u);
  EXPECT_EQ(EntityCodePoint(u"eacutex"), std::nullopt);
}

TEST_F(XmlTest, DataOfAnElement) {
  ASSERT_TRUE(
      Load("<r>"
           "<ws>  two  words \n</ws>"
           "<ref>caf&eacute; &#x263A;</ref>"
           "<cdata><![CDATA[a &amp; <b>]]></cdata>"
           "<mixed>x &amp; <!--c--> <![CDATA[<y>]]> <?pi?>z</mixed>"
           "<kids>t<c/>u</kids>"
           "<empty/><none></none>"
           "<short><![C]]></short>"
           "</r>"));
  EXPECT_EQ(Data(u"ws"), "  two  words \n");
  EXPECT_EQ(Data(u"ref"), "caf\xC3\xA9 \xE2\x98\xBA");
  EXPECT_EQ(Data(u"cdata"), "a &amp; <b>");
  EXPECT_EQ(Data(u"mixed"), "x & <y>z");
  EXPECT_EQ(Data(u"kids"), "");
  EXPECT_EQ(Data(u"empty"), "");
  EXPECT_EQ(Data(u"none"), "");
  EXPECT_EQ(Data(u"short"), "");
}

TEST(XmlNameTest, GivenNameMayContinueOnlyWithSomeCharacters) {
  EXPECT_TRUE(NameEquals(u"config", u"config", false));
  EXPECT_TRUE(NameEquals(u"config", u"config x", false));
  EXPECT_TRUE(NameEquals(u"config", u"config=", false));
  EXPECT_TRUE(NameEquals(u"config", u"config/", false));
  EXPECT_TRUE(NameEquals(u"config", u"config[1]", false));
  EXPECT_FALSE(NameEquals(u"config", u"configs", false));
  EXPECT_FALSE(NameEquals(u"config", u"conf", false));
  EXPECT_FALSE(NameEquals(u"config", u"Config", false));
  EXPECT_TRUE(NameEquals(u"config", u"Config", true));
  EXPECT_EQ(NameRun(u"<a:b-c.d\x4e2d;x>", 1), u"a:b-c.d\x4e2d");
}

TEST_F(XmlTest, PositionOperations) {
  ASSERT_TRUE(Load("<r><a>1</a><b>2</b><a>3</a></r>"));
  EXPECT_FALSE(doc.IntoElem());
  EXPECT_EQ(U8(doc.GetChildData()), "");
  EXPECT_TRUE(doc.FindChildElem(u"a"));  // selects the root first
  EXPECT_EQ(U8(doc.GetChildData()), "1");
  EXPECT_TRUE(doc.FindChildElem(u"a"));  // the next one after the child
  EXPECT_EQ(U8(doc.GetChildData()), "3");
  EXPECT_FALSE(doc.FindChildElem(u"a"));
  EXPECT_EQ(U8(doc.GetChildData()), "3");  // a failed search keeps the child
  EXPECT_FALSE(doc.FindElem());            // the root has no sibling
  EXPECT_TRUE(doc.IntoElem());             // into the root, at its last a
  EXPECT_FALSE(doc.FindElem(u"b"));
  doc.ResetPos();
  EXPECT_TRUE(doc.FindElem(u"r"));
  EXPECT_TRUE(doc.FindChildElem());
  EXPECT_TRUE(doc.IntoElem());
  EXPECT_TRUE(doc.FindElem(u"b"));
  EXPECT_TRUE(doc.FindElem());
  EXPECT_EQ(U8(doc.ElementName(4)), "a");
}

}  // namespace
}  // namespace zk40::test
