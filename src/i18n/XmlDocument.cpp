#include "i18n/XmlDocument.h"

#include <new>
#include <stdexcept>

#include "i18n/CharacterReferences.h"
#include "i18n/XmlLexer.h"
#include "i18n/XmlParser.h"
#include "i18n/XmlTextDecoder.h"

namespace zk40 {
namespace {

// The platform's texts for the read failures the file system tells apart.
std::u16string ReadFailureText(FileStatus status) {
  switch (status) {
    case FileStatus::not_found: return u"The system cannot find the file specified.";
    case FileStatus::access_denied: return u"Access is denied.";
    case FileStatus::disk_full: return u"There is not enough space on the disk.";
    default: return u"The file cannot be read.";
  }
}

}  // namespace

XmlDocument::XmlDocument(FileSystem& fs, const CodePage& codePage) : fs_(fs), codePage_(codePage) {
  Parse(u"");
}

bool XmlDocument::Load(const std::u16string& path) {
  std::vector<std::uint8_t> bytes;
  try {
    readStatus_ = fs_.ReadWhole(path, kMaxFileBytes + 1, bytes);
  } catch (const std::bad_alloc&) {
    readStatus_ = FileStatus::other;
  }
  if (readStatus_ != FileStatus::ok) {
    Empty(ReadFailureText(readStatus_));
    return false;
  }
  return LoadBytes(std::move(bytes));
}

bool XmlDocument::LoadBytes(std::vector<std::uint8_t> bytes) {
  readStatus_ = FileStatus::ok;
  if (bytes.size() > kMaxFileBytes) {
    // Element offsets are 32-bit; a larger file could not be indexed.
    readStatus_ = FileStatus::other;
    Empty(u"The file is too large.");
    return false;
  }
  try {
    text_.clear();
    DecodedText decoded = DecodeXmlBytes(bytes, codePage_);
    text_ = std::move(decoded.text);
    return Parse(decoded.report);
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  Empty(u"Not enough memory to read the file.");
  return false;
}

void XmlDocument::Empty(std::u16string result) {
  text_.clear();
  text_.shrink_to_fit();
  elements_.Reset(0);
  result_ = std::move(result);
  ResetPos();
}

bool XmlDocument::Parse(const std::u16string& loadReport) {
  const std::u16string message = ParseElements(text_, (flags_ & kIgnoreCase) != 0, elements_);
  result_ = message.empty() ? loadReport : loadReport.empty() ? message : loadReport + u" " + message;
  ResetPos();
  return message.empty();
}

std::u16string_view XmlDocument::ElementName(std::int32_t index) const {
  if (index <= 0 || index >= elements_.size()) return {};
  return NameRun(text_, static_cast<std::size_t>(elements_[index].start) + 1);
}

void XmlDocument::ResetPos() {
  parent_ = current_ = child_ = 0;
  nodeKind_ = 0;
  nodeOffset_ = nodeLength_ = 0;
}

bool XmlDocument::Matches(std::int32_t index, std::optional<std::u16string_view> name) const {
  return !name || NameEquals(ElementName(index), *name, (flags_ & kIgnoreCase) != 0);
}

std::int32_t XmlDocument::FindSibling(std::int32_t from, std::optional<std::u16string_view> name) const {
  for (std::int32_t i = from; i; i = elements_[i].next) {
    if (Matches(i, name)) return i;
  }
  return 0;
}

bool XmlDocument::FindElem(std::optional<std::u16string_view> name) {
  const std::int32_t from = current_ ? elements_[current_].next : elements_[parent_].first_child;
  const std::int32_t found = FindSibling(from, name);
  if (!found) return false;
  current_ = found;
  child_ = 0;
  return true;
}

bool XmlDocument::FindChildElem(std::optional<std::u16string_view> name) {
  if (!current_ && !FindElem()) return false;
  const std::int32_t from = child_ ? elements_[child_].next : elements_[current_].first_child;
  const std::int32_t found = FindSibling(from, name);
  if (!found) return false;
  child_ = found;
  return true;
}

bool XmlDocument::IntoElem() {
  if (!current_) return false;
  parent_ = current_;
  current_ = child_;
  child_ = 0;
  return true;
}

std::u16string XmlDocument::GetChildData() const { return child_ ? ElementData(child_) : std::u16string(); }

std::u16string XmlDocument::ElementData(std::int32_t index) const {
  const ElementRecord& r = elements_[index];
  if (r.first_child) return {};
  const std::size_t from = static_cast<std::size_t>(r.start) + StartTagLength(r);
  const std::size_t to =
      static_cast<std::size_t>(r.start) + static_cast<std::size_t>(r.length) - EndTagLength(r);
  if (to <= from) return {};
  const std::u16string_view content = std::u16string_view(text_).substr(from, to - from);
  std::u16string data;
  if (content.find(u'<') == std::u16string_view::npos) {
    AppendDecoded(content, data);
    return data;
  }
  // Comments, processing instructions and white space between them are left
  // out; CDATA sections count as written.
  constexpr std::size_t kCdataOpen = 9, kCdataClose = 3;  // "<![CDATA[" and "]]>"
  XmlLexer lexer(text_, from, to);
  XmlNode node;
  while (lexer.Next(node)) {
    if (node.error != XmlLexError::none) continue;
    if (node.kind == XmlNodeKind::text) {
      AppendDecoded(content.substr(node.start - from, node.length), data);
    } else if (node.kind == XmlNodeKind::cdata && node.length >= kCdataOpen + kCdataClose) {
      data.append(text_, node.start + kCdataOpen, node.length - kCdataOpen - kCdataClose);
    }
  }
  return data;
}

std::u16string XmlDocument::Lookup(std::u16string_view section, std::u16string_view key) {
  ResetPos();
  if (!FindChildElem(section)) return {};
  try {
    for (;;) {
      IntoElem();
      if (FindChildElem(key)) return GetChildData();
      if (!FindChildElem(section)) return {};
    }
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace zk40
