#pragma once
// Fills the language string table from a language file: one root element,
// under it "config", under that one element per key holding its text.

#include <string>

#include "i18n/SharedXmlDocument.h"
#include "i18n/StringTable.h"

namespace zk40 {

// Every entry is replaced: a key the file lacks (or a file that cannot be
// read) leaves its entry empty, whatever the previous language said.
void LoadLanguageFile(SharedXmlDocument& document, const std::u16string& path, StringTable& table);

}  // namespace zk40
