#include "i18n/LanguageLoader.h"

namespace zk40 {

void LoadLanguageFile(SharedXmlDocument& document, const std::u16string& path, StringTable& table) {
  const SharedXmlDocument::Session session = document.Open();
  session->Load(path);
  for (std::size_t i = 0; i < kStringKeyCount; ++i) {
    const std::u16string key(kStringKeys[i].begin(), kStringKeys[i].end());
    table.Set(i, session->Lookup(u"config", key));
  }
}

}  // namespace zk40
