#pragma once
// The settings and texts a page probe runs with: the real files, the texts of
// one language file, and a store whose install folder holds the skins.

#include <memory>
#include <string>

#include "i18n/LanguageLoader.h"
#include "i18n/SharedXmlDocument.h"
#include "i18n/StringTable.h"
#include "platform/CodePage.h"
#include "platform/SystemFileSystem.h"
#include "settings/SettingsStore.h"

namespace zk40 {

struct ProbeSettings {
  ProbeSettings(const std::u16string& installFolder, const std::u16string& languageFile, bool chinese) {
    LoadLanguageFile(document, languageFile, strings);
    store->install_folder = installFolder;
    store->ui_is_chinese = chinese ? 1 : 0;
  }

  std::unique_ptr<FileSystem> files = CreateSystemFileSystem();
  std::unique_ptr<CodePage> code_page = CreateSystemCodePage();
  SharedXmlDocument document{*files, *code_page};
  StringTable strings;
  std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>();
};

}  // namespace zk40
