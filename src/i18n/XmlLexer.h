#pragma once
// Cuts the reader's UTF-16 text into nodes: tags, text, white space, CDATA
// sections, processing instructions, comments and document type markup. The
// lexer never stops at a fault: a malformed node becomes an error node that
// reaches to the next ">", and a node cut off by the end of the text ends
// the lexing.

#include <cstddef>
#include <string>
#include <string_view>

namespace zk40 {

enum class XmlNodeKind {
  end_tag = 0,
  element = 1,
  text = 2,
  white_space = 4,
  cdata = 8,
  processing_instruction = 16,
  comment = 32,
  document_type = 64,
  unknown = -1,  // a node cut off before its kind could be told
};

enum class XmlLexError {
  none,
  tag_name_character,  // "<" followed by a character that cannot start a tag
  bang_tag,            // "<!" followed by a character that starts no markup
  comment_tag,         // "<!-" not followed by "-"
  cdata_tag,           // "<![" not followed by "C"
  unterminated,        // the text ends inside the node
};

struct XmlNode {
  XmlNodeKind kind = XmlNodeKind::unknown;
  XmlLexError error = XmlLexError::none;
  bool empty = false;  // an element start tag closed by "/>"
  std::size_t start = 0;
  std::size_t name_length = 0;  // start and end tags: the name run after "<" or "</"
  std::size_t length = 0;
  std::size_t end() const { return start + length; }
};

class XmlLexer {
 public:
  // Lexes text[from, to); offsets stay those of the whole text.
  XmlLexer(std::u16string_view text, std::size_t from, std::size_t to) : text_(text), at_(from), end_(to) {}
  explicit XmlLexer(std::u16string_view text) : XmlLexer(text, 0, text.size()) {}

  // The next node; false when the range is used up.
  bool Next(XmlNode& node);

 private:
  void Tag(XmlNode& node);
  void Bang(XmlNode& node);
  void StartTag(XmlNode& node);
  void DocumentType(XmlNode& node);
  void Characters(XmlNode& node);
  // The node ends after the first occurrence of terminator at or after from.
  void EndAt(XmlNode& node, std::u16string_view terminator, std::size_t from);
  void Fail(XmlNode& node, XmlLexError error, std::size_t from);
  void Unterminated(XmlNode& node);

  std::u16string_view text_;
  std::size_t at_;
  std::size_t end_;
};

// The diagnostic of an error node, with its offset in decimal.
std::u16string LexErrorMessage(const XmlNode& node);

bool IsXmlSpace(char16_t c);

// A name ends at white space or at one of < > = \ / ? ! " ' ;
bool IsNameDelimiter(char16_t c);

// The name run that begins at from: up to the first delimiter.
std::u16string_view NameRun(std::u16string_view text, std::size_t from);

// Whether a given name equals a name run: the given name starts with the run
// and ends there or continues with one of space = / [ ].
bool NameEquals(std::u16string_view run, std::u16string_view given, bool ignoreCase);

}  // namespace zk40
