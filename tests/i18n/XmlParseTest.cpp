// The element index: recovery from faults, the first problem's message, the
// document checks, empty-element forms and the limits of the records.
#include "XmlTesting.h"

#include <chrono>

#include "i18n/XmlLexer.h"

namespace zk40::test {
namespace {

// "index:name:parent:level:flags" for every element in table order.
std::string Tree(const XmlDocument& doc) {
  std::string out;
  const ElementTable& t = doc.Elements();
  for (std::int32_t i = 1; i < t.size(); ++i) {
    const ElementRecord& r = t[i];
    out += std::to_string(i) + ":" + U8(doc.ElementName(i)) + ":" + std::to_string(r.parent) + ":" +
           std::to_string(Level(r)) + (r.level_flags & kNotEndedMarker ? ":not-ended" : "") +
           (r.level_flags & kContainsErrorMarker ? ":error" : "") + " ";
  }
  return out;
}

// The children of an element, by name, in sibling order.
std::string Children(const XmlDocument& doc, std::int32_t parent) {
  std::string out;
  for (std::int32_t c = doc.Elements()[parent].first_child; c; c = doc.Elements()[c].next) {
    out += U8(doc.ElementName(c)) + " ";
  }
  return out;
}

std::string Message(std::string_view text) {
  XmlNode node;
  const std::u16string t = Utf8ToUtf16(text);
  XmlLexer lexer(t);
  while (lexer.Next(node)) {
    if (node.error != XmlLexError::none) return U8(LexErrorMessage(node));
  }
  return "";
}

TEST_F(XmlTest, EndTagOfAnOuterElementClosesTheInnerOneEmpty) {
  EXPECT_FALSE(Load("<a><b></a>"));
  EXPECT_EQ(
      Result(),
      "UTF-8 length 10 to 10 wide chars  End tag 'a' at offset 7 does not match start tag 'b' at offset 3");
  EXPECT_EQ(Tree(doc), "1:a:0:0 2:b:1:1:not-ended ");
  EXPECT_EQ(doc.Elements()[2].length, 3);
  EXPECT_EQ(doc.Elements()[1].length, 10);
}

TEST_F(XmlTest, ChildrenOfNotEndedElementsBecomeTheirFollowingSiblings) {
  EXPECT_FALSE(Load("<r><a><b/><c><d>t</d></c><e><f/></r>"));
  EXPECT_EQ(Children(doc, 1), "a b c e f ");
  EXPECT_EQ(Tree(doc), "1:r:0:0 2:a:1:1:not-ended 3:b:1:1 4:c:1:1 5:d:4:2 6:e:1:1:not-ended 7:f:1:1 ");
  EXPECT_EQ(Lookup(u"c", u"d"), "t");
  // The sibling links stay whole in both directions.
  const ElementTable& t = doc.Elements();
  EXPECT_EQ(t[t[1].first_child].previous, 7);
  EXPECT_EQ(t[7].previous, 6);
  EXPECT_TRUE(t[2].level_flags & kFirstChildMarker);
  EXPECT_FALSE(t[3].level_flags & kFirstChildMarker);
}

TEST_F(XmlTest, EndTagWithoutStartTagIsIgnoredAndMarked) {
  EXPECT_FALSE(Load("<r><k>v</x></k></r>"));
  EXPECT_EQ(Result(), "UTF-8 length 19 to 19 wide chars  No start tag for end tag 'x' at offset 7");
  EXPECT_EQ(Tree(doc), "1:r:0:0 2:k:1:1:error ");
  EXPECT_EQ(Lookup(u"k", u"x"), "");
  doc.ResetPos();
  doc.FindChildElem(u"k");
  EXPECT_EQ(U8(doc.GetChildData()), "v");  // the stray end tag is no data
}

TEST_F(XmlTest, OnlyTheFirstProblemIsReported) {
  EXPECT_FALSE(Load("<r></x><1></r>"));
  EXPECT_EQ(Result().substr(Result().find("  ") + 2), "No start tag for end tag 'x' at offset 3");
}

TEST_F(XmlTest, ElementsOpenAtTheEnd) {
  EXPECT_FALSE(Load("<r>v"));
  EXPECT_EQ(Result(), "UTF-8 length 4 to 4 wide chars  Element 'r' at offset 0 not ended");
  // A root left open gives up its children to the top level.
  EXPECT_FALSE(Load("<r><a><k>v</k>"));
  EXPECT_EQ(Result().substr(Result().find("  ") + 2), "Root element has sibling");
  EXPECT_EQ(Children(doc, 0), "r a k ");
}

TEST_F(XmlTest, EmptyElementForms) {
  const char* empty[] = {"<e/>", "<e />", "<e\t/>", "<e a=\"1\"/>", "<e a='>'/>"};
  for (const char* e : empty) {
    EXPECT_TRUE(Load(std::string("<r>") + e + "</r>")) << e;
    EXPECT_EQ(Tree(doc), "1:r:0:0 2:e:1:1 ") << e;
  }
  // After an unquoted value the "/" belongs to the value: the element stays open.
  EXPECT_FALSE(Load("<r><e a=1/></r>"));
  EXPECT_EQ(Tree(doc), "1:r:0:0 2:e:1:1:not-ended ");
  EXPECT_FALSE(Load("<r><e a/></r>"));
  EXPECT_EQ(Tree(doc), "1:r:0:0 2:e:1:1:not-ended ");
}

TEST_F(XmlTest, TwoTopLevelElements) {
  EXPECT_FALSE(Load("<a><config><k>first</k></config></a><b><config><k>second</k></config></b>"));
  EXPECT_EQ(Result().substr(Result().find("  ") + 2), "Root element has sibling");
  EXPECT_EQ(Lookup(u"config", u"k"), "first");
}

TEST_F(XmlTest, DocumentChecks) {
  EXPECT_FALSE(Load("<!-- only --> text"));
  EXPECT_EQ(Result().substr(Result().find("  ") + 2), "No root element");
  EXPECT_TRUE(
      Load("<?xml version='1.0'?>\n<!DOCTYPE r [ <!ENTITY e \"a>b\"> <!-- ] > --> <?pi > ?> ]>\n<r/>\n"));
}

TEST(XmlLexerTest, ErrorMessages) {
  EXPECT_EQ(Message("<r><1/></r>"), "Incorrect tag name character at offset 3");
  EXPECT_EQ(Message("<r>< r></r>"), "Incorrect tag name character at offset 3");
  EXPECT_EQ(Message("<!x>"), "Incorrect ! tag at offset 0");
  EXPECT_EQ(Message("<r><!-x--></r>"), "Incorrect comment tag at offset 3");
  EXPECT_EQ(Message("<r><![x]]></r>"), "Incorrect tag at offset 3");
  EXPECT_EQ(Message("<!DOCTYPE r [ <![ ]> ]>"), "Incorrect ! tag at offset 0");
  EXPECT_EQ(Message("<!DOCTYPE r [ <!DOCTYPE> ]>"), "Incorrect ! tag at offset 0");
  EXPECT_EQ(Message("<r></r"), "Element end tag at offset 3 unterminated");
  EXPECT_EQ(Message("<r a='>'"), "Element tag at offset 0 unterminated");
  EXPECT_EQ(Message("<r><![CDATA[x"), "CDATA Section at offset 3 unterminated");
  EXPECT_EQ(Message("<?xml"), "Processing instruction at offset 0 unterminated");
  EXPECT_EQ(Message("<r><!-- x -- >"), "Comment at offset 3 unterminated");
  EXPECT_EQ(Message("<!DOCTYPE r [ <!-- ]> -->"), "Doctype at offset 0 unterminated");
  EXPECT_EQ(Message("<!ENTITY e 'x>"), "Doctype at offset 0 unterminated");
  EXPECT_EQ(Message("<r><"), "tag at offset 3 unterminated");
  EXPECT_EQ(Message("<r><!-"), "tag at offset 3 unterminated");
  EXPECT_EQ(Message("text only  "), "");
}

TEST_F(XmlTest, ErrorNodesMarkTheirParentAndReachToTheNextGt) {
  EXPECT_FALSE(Load("<r><k>a<1 x>b</k></r>"));
  EXPECT_EQ(Tree(doc), "1:r:0:0 2:k:1:1:error ");
  EXPECT_EQ(Data(u"k"), "ab");
  EXPECT_FALSE(Load("<!bad><r/>"));
  EXPECT_TRUE(doc.Elements()[0].level_flags & kContainsErrorMarker);
}

TEST_F(XmlTest, DeepNestingNeedsNoStack) {
  constexpr int kDepth = 200000;
  std::string text;
  for (int i = 0; i < kDepth; ++i) text += "<a>";
  for (int i = 0; i < kDepth; ++i) text += "</a>";
  EXPECT_TRUE(Load(text));
  EXPECT_EQ(doc.Elements().size(), kDepth + 1);
  EXPECT_EQ(Level(doc.Elements()[1000]), 999);
  EXPECT_EQ(Level(doc.Elements()[kDepth]), kMaxLevel);  // the level field's limit
  EXPECT_EQ(doc.Elements()[kDepth].parent, kDepth - 1);
}

TEST_F(XmlTest, ManyUnclosedElementsCloseInLinearTime) {
  // Each close moves the children out once; a quadratic close would not end.
  constexpr int kCount = 300000;
  std::string text = "<r>";
  for (int i = 0; i < kCount; ++i) text += "<a>";
  text += "</r>";
  EXPECT_FALSE(Load(text));
  const ElementTable& t = doc.Elements();
  EXPECT_EQ(t.size(), kCount + 2);
  EXPECT_EQ(t[kCount + 1].parent, 1);
  EXPECT_EQ(Level(t[kCount + 1]), 1);
  EXPECT_EQ(t[t[1].first_child].previous, kCount + 1);
}

TEST_F(XmlTest, ManyStrayEndTagsDeepInsideStayLinear) {
  // Each stray end tag would otherwise scan every open element.
  constexpr int kCount = 150000;
  std::string text;
  for (int i = 0; i < kCount; ++i) text += "<a>";
  for (int i = 0; i < kCount; ++i) text += "</b>";
  text += "<a>";
  for (int i = 0; i < kCount + 1; ++i) text += "</a>";
  EXPECT_FALSE(Load(text));
  EXPECT_EQ(Result().substr(Result().find("  ") + 2), "No start tag for end tag 'b' at offset 450000");
  const ElementTable& t = doc.Elements();
  EXPECT_EQ(t.size(), kCount + 2);
  EXPECT_EQ(t[kCount + 1].parent, kCount);
  EXPECT_TRUE(t[kCount].level_flags & kContainsErrorMarker);
  EXPECT_FALSE(t[kCount + 1].level_flags & kNotEndedMarker);
}

TEST_F(XmlTest, TableGrowsAcrossBlocks) {
  constexpr int kCount = 150000;
  std::string text = "<r>";
  for (int i = 0; i < kCount; ++i) text += "<e" + std::to_string(i) + "/>";
  text += "<last>end</last></r>";
  EXPECT_TRUE(Load(text));
  EXPECT_EQ(doc.Elements().size(), kCount + 3);
  EXPECT_EQ(U8(doc.ElementName(140002)), "e140000");
  EXPECT_EQ(Lookup(u"last", u"x"), "");
  EXPECT_EQ(Data(u"last"), "end");
}

TEST_F(XmlTest, OverlongTagsAreFaultsNotCorruptRecords) {
  const std::string longEnd = "<r><k>v</k" + std::string(2000, ' ') + "></r>";
  EXPECT_FALSE(Load(longEnd));
  EXPECT_EQ(Result().substr(Result().find("  ") + 2), "Element end tag at offset 7 too long");
  EXPECT_EQ(Tree(doc), "1:r:0:0 2:k:1:1:not-ended:error ");
  EXPECT_EQ(Data(u"k"), "");

  const std::string longStart = "<r><k a='" + std::string(kMaxStartTagLength, 'x') + "'>v</k></r>";
  EXPECT_FALSE(Load(longStart));
  EXPECT_EQ(Result().substr(Result().find("  ") + 2), "Element tag at offset 3 too long");
}

TEST_F(XmlTest, NamesMatchCaseSensitivelyUnlessTheFlagSaysOtherwise) {
  Load("<R><Config><K>v</K></Config></R>");
  EXPECT_EQ(Lookup(u"config", u"k"), "");
  doc.SetFlags(XmlDocument::kIgnoreCase);
  EXPECT_EQ(Lookup(u"config", u"k"), "v");
  // End tags match their start tags the same way.
  EXPECT_TRUE(Load("<R><K>v</k></r>"));
  doc.SetFlags(0);
  EXPECT_FALSE(Load("<R><K>v</k></r>"));
}

}  // namespace
}  // namespace zk40::test
