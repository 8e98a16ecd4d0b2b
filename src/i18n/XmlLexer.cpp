#include "i18n/XmlLexer.h"

#include <array>

#include "i18n/NameBuckets.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

bool IsNameStart(char16_t c) {
  if (c == u':' || c == u'_') return true;
  return c >= u'A' && c != u'[' && c != u'\\' && c != u']' && c != u'^' && c != u'`';
}

bool IsQuote(char16_t c) { return c == u'"' || c == u'\''; }

std::u16string_view KindName(XmlNodeKind kind) {
  switch (kind) {
    case XmlNodeKind::end_tag: return u"Element end tag";
    case XmlNodeKind::element: return u"Element tag";
    case XmlNodeKind::cdata: return u"CDATA Section";
    case XmlNodeKind::processing_instruction: return u"Processing instruction";
    case XmlNodeKind::comment: return u"Comment";
    case XmlNodeKind::document_type: return u"Doctype";
    default: return u"tag";
  }
}

}  // namespace

bool IsXmlSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

bool IsNameDelimiter(char16_t c) {
  static constexpr std::u16string_view kDelimiters = u" \t\n\r<>=\\/?!\"';";
  static constexpr auto kTable = [] {
    std::array<bool, 128> table{};
    for (char16_t d : kDelimiters) table[d] = true;
    return table;
  }();
  return c < 128 && kTable[c];
}

std::u16string_view NameRun(std::u16string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && !IsNameDelimiter(text[end])) ++end;
  return text.substr(from, end - from);
}

bool NameEquals(std::u16string_view run, std::u16string_view given, bool ignoreCase) {
  if (given.size() < run.size()) return false;
  for (std::size_t i = 0; i < run.size(); ++i) {
    const bool same = ignoreCase ? LowerAscii(run[i]) == LowerAscii(given[i]) : run[i] == given[i];
    if (!same) return false;
  }
  if (given.size() == run.size()) return true;
  const char16_t next = given[run.size()];
  return next == u' ' || next == u'=' || next == u'/' || next == u'[' || next == u']';
}

bool XmlLexer::Next(XmlNode& node) {
  if (at_ >= end_) return false;
  node = XmlNode{};
  node.start = at_;
  if (text_[at_] == u'<') {
    Tag(node);
  } else {
    Characters(node);
  }
  at_ = node.end();
  return true;
}

void XmlLexer::Characters(XmlNode& node) {
  std::size_t i = node.start;
  while (i < end_ && IsXmlSpace(text_[i])) ++i;
  node.kind = XmlNodeKind::white_space;
  if (i < end_ && text_[i] != u'<') {
    node.kind = XmlNodeKind::text;
    const std::size_t lt = text_.substr(0, end_).find(u'<', i);
    i = lt == std::u16string_view::npos ? end_ : lt;
  }
  node.length = i - node.start;
}

void XmlLexer::Tag(XmlNode& node) {
  const std::size_t p = node.start;
  if (p + 1 >= end_) return Unterminated(node);
  const char16_t next = text_[p + 1];
  if (next == u'/') {
    node.kind = XmlNodeKind::end_tag;
    node.name_length = NameRun(text_.substr(0, end_), p + 2).size();
    return EndAt(node, u">", p + 2 + node.name_length);
  }
  if (next == u'?') {
    node.kind = XmlNodeKind::processing_instruction;
    return EndAt(node, u"?>", p + 2);
  }
  if (next == u'!') return Bang(node);
  if (IsNameStart(next)) return StartTag(node);
  Fail(node, XmlLexError::tag_name_character, p + 1);
}

void XmlLexer::Bang(XmlNode& node) {
  const std::size_t p = node.start;
  if (p + 2 >= end_) return Unterminated(node);
  switch (text_[p + 2]) {
    case u'-':
      if (p + 3 >= end_) return Unterminated(node);
      if (text_[p + 3] != u'-') return Fail(node, XmlLexError::comment_tag, p + 3);
      node.kind = XmlNodeKind::comment;
      return EndAt(node, u"-->", p + 4);
    case u'[':
      if (p + 3 >= end_) return Unterminated(node);
      if (text_[p + 3] != u'C') return Fail(node, XmlLexError::cdata_tag, p + 3);
      node.kind = XmlNodeKind::cdata;
      return EndAt(node, u"]]>", p + 4);
    case u'D':
    case u'E':
    case u'A':
    case u'N':
      node.kind = XmlNodeKind::document_type;
      return DocumentType(node);
    default:
      return Fail(node, XmlLexError::bang_tag, p + 2);
  }
}

void XmlLexer::StartTag(XmlNode& node) {
  node.kind = XmlNodeKind::element;
  node.name_length = NameRun(text_.substr(0, end_), node.start + 1).size();
  const std::size_t nameEnd = node.start + 1 + node.name_length;
  char16_t quote = 0;
  for (std::size_t i = nameEnd; i < end_; ++i) {
    const char16_t c = text_[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (IsQuote(c)) {
      quote = c;
    } else if (c == u'>') {
      node.length = i + 1 - node.start;
      // "/>" makes the tag empty only after the name, white space or a
      // closing quote; after an unquoted value the "/" belongs to the value.
      if (text_[i - 1] == u'/') {
        const char16_t before = text_[i - 2];
        node.empty = i - 1 == nameEnd || IsXmlSpace(before) || IsQuote(before);
      }
      return;
    }
  }
  Unterminated(node);
}

// A declaration "<!DOCTYPE ...>" may hold an internal subset in "[" "]" with
// markup declarations, comments and processing instructions of its own;
// "<!ELEMENT", "<!ATTLIST", "<!ENTITY" and "<!NOTATION" may also stand alone.
void XmlLexer::DocumentType(XmlNode& node) {
  const bool declaration = text_[node.start + 2] == u'D';
  bool inSubset = false;
  char16_t quote = 0;
  for (std::size_t i = node.start + 2; i < end_; ++i) {
    const char16_t c = text_[i];
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (IsQuote(c)) {
      quote = c;
    } else if (!inSubset) {
      if (c == u'>') {
        node.length = i + 1 - node.start;
        return;
      }
      if (c == u'[' && declaration) inSubset = true;
    } else if (c == u']') {
      inSubset = false;
    } else if (c == u'<' && i + 1 < end_ && (text_[i + 1] == u'!' || text_[i + 1] == u'?')) {
      if (i + 2 >= end_) break;
      std::u16string_view terminator;
      if (text_[i + 1] == u'?') {
        terminator = u"?>";
      } else if (text_[i + 2] == u'-') {
        if (i + 3 >= end_) break;
        if (text_[i + 3] != u'-') return Fail(node, XmlLexError::comment_tag, i + 3);
        terminator = u"-->";
      } else if (text_[i + 2] == u'E' || text_[i + 2] == u'A' || text_[i + 2] == u'N') {
        continue;  // its quotes and its ">" are followed by this loop
      } else {
        return Fail(node, XmlLexError::bang_tag, i + 2);
      }
      const std::size_t close = text_.substr(0, end_).find(terminator, i + 2);
      if (close == std::u16string_view::npos) break;
      i = close + terminator.size() - 1;
    }
  }
  Unterminated(node);
}

void XmlLexer::EndAt(XmlNode& node, std::u16string_view terminator, std::size_t from) {
  const std::size_t close =
      from <= end_ ? text_.substr(0, end_).find(terminator, from) : std::u16string_view::npos;
  if (close == std::u16string_view::npos) return Unterminated(node);
  node.length = close + terminator.size() - node.start;
}

void XmlLexer::Fail(XmlNode& node, XmlLexError error, std::size_t from) {
  node.error = error;
  const std::size_t gt = text_.substr(0, end_).find(u'>', from);
  node.length = (gt == std::u16string_view::npos ? end_ : gt + 1) - node.start;
}

void XmlLexer::Unterminated(XmlNode& node) {
  node.error = XmlLexError::unterminated;
  node.length = end_ - node.start;
}

std::u16string LexErrorMessage(const XmlNode& node) {
  const std::u16string offset = DecimalText(node.start);
  switch (node.error) {
    case XmlLexError::tag_name_character: return u"Incorrect tag name character at offset " + offset;
    case XmlLexError::bang_tag: return u"Incorrect ! tag at offset " + offset;
    case XmlLexError::comment_tag: return u"Incorrect comment tag at offset " + offset;
    case XmlLexError::cdata_tag: return u"Incorrect tag at offset " + offset;
    case XmlLexError::unterminated:
      return std::u16string(KindName(node.kind)) + u" at offset " + offset + u" unterminated";
    case XmlLexError::none: break;
  }
  return {};
}

}  // namespace zk40
