// The encoding a document names for itself: the "encoding" attribute of an
// xml declaration at its very start, or the charset of an html document's
// Content-Type meta element before the end of its head.
#include "i18n/NameBuckets.h"
#include "i18n/XmlLexer.h"
#include "i18n/XmlTextDecoder.h"

namespace zk40 {
namespace {

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// The value of an attribute of a tag (the node's text from "<"); values may
// be quoted either way or unquoted up to white space or ">".
std::optional<std::u16string_view> Attribute(std::u16string_view tag, std::size_t nameEnd,
                                             std::u16string_view wanted) {
  std::size_t i = nameEnd;
  while (i < tag.size()) {
    const char16_t c = tag[i];
    if (IsXmlSpace(c) || c == u'/' || c == u'?') {
      ++i;
      continue;
    }
    if (c == u'>') break;
    const std::size_t nameStart = i;
    while (i < tag.size() && !IsXmlSpace(tag[i]) && tag[i] != u'=' && tag[i] != u'>') ++i;
    const std::u16string_view name = tag.substr(nameStart, i - nameStart);
    while (i < tag.size() && IsXmlSpace(tag[i])) ++i;
    std::u16string_view value;
    if (i < tag.size() && tag[i] == u'=') {
      ++i;
      while (i < tag.size() && IsXmlSpace(tag[i])) ++i;
      std::size_t valueStart = i;
      if (i < tag.size() && (tag[i] == u'"' || tag[i] == u'\'')) {
        const char16_t quote = tag[i];
        valueStart = ++i;
        while (i < tag.size() && tag[i] != quote) ++i;
        value = tag.substr(valueStart, i - valueStart);
        if (i < tag.size()) ++i;
      } else {
        while (i < tag.size() && !IsXmlSpace(tag[i]) && tag[i] != u'>') ++i;
        value = tag.substr(valueStart, i - valueStart);
      }
    }
    if (SameIgnoringCase(name, wanted)) return value;
  }
  return std::nullopt;
}

// "text/html; charset=gb2312" gives "gb2312".
std::optional<std::u16string> Charset(std::u16string_view content) {
  constexpr std::u16string_view kCharset = u"charset";
  for (std::size_t i = 0; i + kCharset.size() <= content.size(); ++i) {
    if (!SameIgnoringCase(content.substr(i, kCharset.size()), kCharset)) continue;
    std::size_t j = i + kCharset.size();
    while (j < content.size() && IsXmlSpace(content[j])) ++j;
    if (j >= content.size() || content[j] != u'=') return std::nullopt;
    ++j;
    while (j < content.size() && IsXmlSpace(content[j])) ++j;
    const std::size_t start = j;
    while (j < content.size() && !IsXmlSpace(content[j]) && content[j] != u';' && content[j] != u'"' &&
           content[j] != u'\'')
      ++j;
    return std::u16string(content.substr(start, j - start));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::u16string> DeclaredEncoding(std::u16string_view start) {
  XmlLexer lexer(start);
  XmlNode node;
  bool inHtml = false;
  while (lexer.Next(node)) {
    if (node.error != XmlLexError::none) return std::nullopt;
    const std::u16string_view tag = start.substr(node.start, node.length);
    if (node.start == 0 && node.kind == XmlNodeKind::processing_instruction) {
      const std::u16string_view name = NameRun(tag, 2);
      if (NameEquals(name, u"xml", true)) {
        const auto encoding = Attribute(tag, 2 + name.size(), u"encoding");
        if (!encoding) return std::nullopt;
        return std::u16string(*encoding);
      }
    }
    if (node.kind == XmlNodeKind::element) {
      const std::u16string_view name = NameRun(tag, 1);
      if (!inHtml) {
        if (!NameEquals(name, u"html", true)) return std::nullopt;
        inHtml = true;
        continue;
      }
      if (!NameEquals(name, u"meta", true)) continue;
      const auto equiv = Attribute(tag, 1 + name.size(), u"http-equiv");
      if (!equiv || !SameIgnoringCase(*equiv, u"Content-Type")) continue;
      const auto content = Attribute(tag, 1 + name.size(), u"content");
      return content ? Charset(*content) : std::nullopt;
    }
    if (inHtml && node.kind == XmlNodeKind::end_tag && NameEquals(NameRun(tag, 2), u"head", true))
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace zk40
