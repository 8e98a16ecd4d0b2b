#include "i18n/XmlParser.h"

#include <algorithm>
#include <vector>

#include "i18n/XmlLexer.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

std::u16string Number(std::size_t n) { return Utf8ToUtf16(std::to_string(n)); }

struct OpenElement {
  std::int32_t index;
  std::u16string_view name;
};

class Parser {
 public:
  Parser(std::u16string_view text, bool ignoreCase, ElementTable& table)
      : text_(text), ignoreCase_(ignoreCase), table_(table) {}

  std::u16string Run() {
    table_.Reset(text_.size());
    table_[0].length = static_cast<std::int32_t>(text_.size());
    XmlLexer lexer(text_);
    XmlNode node;
    while (lexer.Next(node)) {
      if (node.error != XmlLexError::none) {
        Fault(LexErrorMessage(node));
      } else if (node.kind == XmlNodeKind::element) {
        StartTag(node);
      } else if (node.kind == XmlNodeKind::end_tag) {
        EndTag(node);
      }
    }
    if (!open_.empty()) {
      const OpenElement& inner = open_.back();
      Problem(u"Element '" + std::u16string(inner.name) + u"' at offset " + Number(Start(inner)) + u" not ended");
      CloseNotEnded(0);
    }
    SetLevels();
    return DocumentChecks();
  }

 private:
  std::int32_t Parent() const { return open_.empty() ? 0 : open_.back().index; }
  std::size_t Start(const OpenElement& e) const { return static_cast<std::size_t>(table_[e.index].start); }

  void Problem(std::u16string message) {
    if (message_.empty()) message_ = std::move(message);
  }

  void Fault(std::u16string message) {
    table_[Parent()].level_flags |= kContainsErrorMarker;
    Problem(std::move(message));
  }

  void StartTag(const XmlNode& node) {
    if (node.length > kMaxStartTagLength) {
      return Fault(u"Element tag at offset " + Number(node.start) + u" too long");
    }
    const std::int32_t index = table_.AppendChild(Parent());
    ElementRecord& r = table_[index];
    r.start = static_cast<std::int32_t>(node.start);
    r.length = static_cast<std::int32_t>(node.length);
    SetTagLengths(r, static_cast<std::uint32_t>(node.length), 0);
    if (!node.empty) open_.push_back({index, text_.substr(node.start + 1, node.name_length)});
  }

  void EndTag(const XmlNode& node) {
    const std::u16string_view name = text_.substr(node.start + 2, node.name_length);
    if (node.length > kMaxEndTagLength) {
      return Fault(u"Element end tag at offset " + Number(node.start) + u" too long");
    }
    const auto match = std::find_if(open_.rbegin(), open_.rend(), [&](const OpenElement& e) {
      return e.name.size() == name.size() && NameEquals(e.name, name, ignoreCase_);
    });
    if (match == open_.rend()) {
      return Fault(u"No start tag for end tag '" + std::u16string(name) + u"' at offset " + Number(node.start));
    }
    const auto depth = static_cast<std::size_t>(open_.rend() - match) - 1;
    if (depth + 1 < open_.size()) {
      const OpenElement& inner = open_.back();
      Problem(u"End tag '" + std::u16string(name) + u"' at offset " + Number(node.start + 1) +
              u" does not match start tag '" + std::u16string(inner.name) + u"' at offset " + Number(Start(inner)));
      CloseNotEnded(depth + 1);
    }
    ElementRecord& r = table_[open_.back().index];
    r.length = static_cast<std::int32_t>(node.end()) - r.start;
    SetTagLengths(r, StartTagLength(r), static_cast<std::uint32_t>(node.length));
    open_.pop_back();
  }

  // Closes the open elements from depth up as not ended. Going outermost
  // first moves every child once, straight to where it ends up.
  void CloseNotEnded(std::size_t depth) {
    for (std::size_t d = depth; d < open_.size(); ++d) {
      ElementRecord& r = table_[open_[d].index];
      r.length = static_cast<std::int32_t>(StartTagLength(r));
      SetTagLengths(r, StartTagLength(r), 0);
      r.level_flags |= kNotEndedMarker;
      table_.MoveChildrenOut(open_[d].index);
    }
    open_.resize(depth);
  }

  // Parents always come before their children in the table, so one pass in
  // table order gives every level, moved elements included.
  void SetLevels() {
    for (std::int32_t i = 1; i < table_.size(); ++i) {
      ElementRecord& r = table_[i];
      const std::int32_t level = r.parent ? std::min(Level(table_[r.parent]) + 1, kMaxLevel) : 0;
      r.level_flags = (r.level_flags & ~kMaxLevel) | level;
    }
  }

  std::u16string DocumentChecks() {
    if (text_.empty()) return u"Empty document";
    const std::int32_t root = table_[0].first_child;
    if (!root) return u"No root element";
    if (table_[root].next) return u"Root element has sibling";
    return std::move(message_);
  }

  std::u16string_view text_;
  bool ignoreCase_;
  ElementTable& table_;
  std::vector<OpenElement> open_;
  std::u16string message_;
};

}  // namespace

std::u16string ParseElements(std::u16string_view text, bool ignoreCase, ElementTable& table) {
  return Parser(text, ignoreCase, table).Run();
}

}  // namespace zk40
