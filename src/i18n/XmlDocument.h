#pragma once
// The reader's document: a file decoded into one UTF-16 text, its element
// index, a position for walking the elements by name, and the result text
// that says what the last load found. The document only reads files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/ElementTable.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace zk40 {

class XmlDocument {
 public:
  // Document flag: compare element names without regard to ASCII case.
  static constexpr int kIgnoreCase = 8;

  // Files larger than this are not read.
  static constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;

  XmlDocument(FileSystem& fs, const CodePage& codePage);

  // Reads, decodes and indexes a file. True when the file was read, the parse
  // found no problem and there is exactly one root element.
  bool Load(const std::u16string& path);
  // The same for bytes already read.
  bool LoadBytes(std::vector<std::uint8_t> bytes);

  const std::u16string& ResultText() const { return result_; }
  // How reading the file of the last Load went.
  FileStatus ReadStatus() const { return readStatus_; }
  const std::u16string& Text() const { return text_; }
  const ElementTable& Elements() const { return elements_; }
  std::u16string_view ElementName(std::int32_t index) const;

  int Flags() const { return flags_; }
  void SetFlags(int flags) { flags_ = flags; }

  // Walking by name. A missing name matches any element.
  void ResetPos();
  bool FindElem(std::optional<std::u16string_view> name = std::nullopt);
  bool FindChildElem(std::optional<std::u16string_view> name = std::nullopt);
  bool IntoElem();
  std::u16string GetChildData() const;

  // The data of the element named key in the first element named section
  // under the root, or in the first section element nested in it (and so on
  // down); empty when there is none.
  std::u16string Lookup(std::u16string_view section, std::u16string_view key);

 private:
  bool Matches(std::int32_t index, std::optional<std::u16string_view> name) const;
  std::int32_t FindSibling(std::int32_t from, std::optional<std::u16string_view> name) const;
  std::u16string ElementData(std::int32_t index) const;
  bool Parse(const std::u16string& loadReport);
  void Empty(std::u16string result);

  FileSystem& fs_;
  const CodePage& codePage_;
  std::u16string text_;
  ElementTable elements_;
  std::u16string result_;
  FileStatus readStatus_ = FileStatus::ok;
  int flags_ = 0;
  std::int32_t parent_ = 0;
  std::int32_t current_ = 0;
  std::int32_t child_ = 0;
  // The current non-element node; the system's callers never move it.
  int nodeKind_ = 0;
  std::int32_t nodeOffset_ = 0;
  std::int32_t nodeLength_ = 0;
};

}  // namespace zk40
