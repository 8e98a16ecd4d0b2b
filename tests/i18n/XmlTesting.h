#pragma once
// A document over the real code-page conversion and a fake file system.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/XmlDocument.h"
#include "platform/CodePage.h"
#include "platform/Utf16Text.h"
#include "support/FakeFileSystem.h"

namespace zk40::test {

inline std::string U8(std::u16string_view text) { return Utf16ToUtf8(text); }

inline std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class XmlTest : public ::testing::Test {
 protected:
  bool Load(std::string_view bytes) { return doc.LoadBytes(Bytes(bytes)); }
  std::string Result() const { return U8(doc.ResultText()); }
  std::string Text() const { return U8(doc.Text()); }
  std::string Lookup(std::u16string_view section, std::u16string_view key) {
    return U8(doc.Lookup(section, key));
  }
  // The data of the first element named key under the root.
  std::string Data(std::u16string_view key) {
    doc.ResetPos();
    return doc.FindChildElem(key) ? U8(doc.GetChildData()) : "<missing>";
  }

  std::unique_ptr<CodePage> codePage = CreateSystemCodePage();
  FakeFileSystem fs;
  XmlDocument doc{fs, *codePage};
};

}  // namespace zk40::test
