#include "i18n/XmlParser.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

#include "i18n/NameBuckets.h"
#include "i18n/XmlLexer.h"
#include "platform/Utf16Text.h"

namespace zk40 {
namespace {

struct OpenElement {
  std::int32_t index;
  std::u16string_view name;
};

// The elements not closed yet, innermost last. The element an end tag closes
// is looked for from the innermost, where ordinary documents find it at once.
// An end tag that closes nothing costs a scan of them all, so a document with
// many such end tags deep inside would take quadratic time: once the scans
// exceed a budget, the stack also counts its names and answers from them.
class OpenElements {
 public:
  explicit OpenElements(bool ignoreCase) : ignoreCase_(ignoreCase) {}

  bool empty() const { return stack_.empty(); }
  std::size_t size() const { return stack_.size(); }
  const OpenElement& operator[](std::size_t depth) const { return stack_[depth]; }
  const OpenElement& back() const { return stack_.back(); }

  void Push(const OpenElement& e) {
    stack_.push_back(e);
    if (counts_) ++(*counts_)[Key(e.name)];
  }

  void Truncate(std::size_t depth) {
    if (counts_) {
      for (std::size_t d = depth; d < stack_.size(); ++d) {
        const auto it = counts_->find(Key(stack_[d].name));
        if (--it->second == 0) counts_->erase(it);
      }
    }
    stack_.resize(depth);
  }

  // The depth of the innermost open element of this name.
  std::optional<std::size_t> Find(std::u16string_view name) {
    if (counts_ && !counts_->contains(Key(name))) return std::nullopt;
    for (std::size_t d = stack_.size(); d-- > 0;) {
      if (stack_[d].name.size() == name.size() && NameEquals(stack_[d].name, name, ignoreCase_)) return d;
    }
    budget_ -= std::min(budget_, stack_.size());
    if (budget_ == 0 && !counts_) {
      counts_.emplace();
      for (const OpenElement& e : stack_) ++(*counts_)[Key(e.name)];
    }
    return std::nullopt;
  }

 private:
  std::u16string Key(std::u16string_view name) const {
    std::u16string key(name);
    if (ignoreCase_) std::transform(key.begin(), key.end(), key.begin(), LowerAscii);
    return key;
  }

  bool ignoreCase_;
  std::vector<OpenElement> stack_;
  std::size_t budget_ = std::size_t{1} << 22;
  std::optional<std::unordered_map<std::u16string, std::size_t>> counts_;
};

class Parser {
 public:
  Parser(std::u16string_view text, bool ignoreCase, ElementTable& table)
      : text_(text), table_(table), open_(ignoreCase) {}

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
      Problem(u"Element '" + std::u16string(inner.name) + u"' at offset " + DecimalText(Start(inner)) +
              u" not ended");
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
      return Fault(u"Element tag at offset " + DecimalText(node.start) + u" too long");
    }
    const std::int32_t index = table_.AppendChild(Parent());
    ElementRecord& r = table_[index];
    r.start = static_cast<std::int32_t>(node.start);
    r.length = static_cast<std::int32_t>(node.length);
    SetTagLengths(r, static_cast<std::uint32_t>(node.length), 0);
    if (!node.empty) open_.Push({index, text_.substr(node.start + 1, node.name_length)});
  }

  void EndTag(const XmlNode& node) {
    const std::u16string_view name = text_.substr(node.start + 2, node.name_length);
    if (node.length > kMaxEndTagLength) {
      return Fault(u"Element end tag at offset " + DecimalText(node.start) + u" too long");
    }
    const std::optional<std::size_t> match = open_.Find(name);
    if (!match) {
      return Fault(u"No start tag for end tag '" + std::u16string(name) + u"' at offset " +
                   DecimalText(node.start));
    }
    const std::size_t depth = *match;
    if (depth + 1 < open_.size()) {
      const OpenElement& inner = open_.back();
      Problem(u"End tag '" + std::u16string(name) + u"' at offset " + DecimalText(node.start + 1) +
              u" does not match start tag '" + std::u16string(inner.name) + u"' at offset " +
              DecimalText(Start(inner)));
      CloseNotEnded(depth + 1);
    }
    ElementRecord& r = table_[open_.back().index];
    r.length = static_cast<std::int32_t>(node.end()) - r.start;
    SetTagLengths(r, StartTagLength(r), static_cast<std::uint32_t>(node.length));
    open_.Truncate(depth);
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
    open_.Truncate(depth);
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
  ElementTable& table_;
  OpenElements open_;
  std::u16string message_;
};

}  // namespace

std::u16string ParseElements(std::u16string_view text, bool ignoreCase, ElementTable& table) {
  return Parser(text, ignoreCase, table).Run();
}

}  // namespace zk40
