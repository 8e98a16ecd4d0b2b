#pragma once
// The words drawn into the pictures, in the install language. Words that are
// also interface texts (tab names, profile names, effect names) come from the
// language files of the install folder, so the pictures and the captions say
// the same; the rest are the pictures' own labels.

#include <map>
#include <string>

namespace zk40::art {

enum class Lang { kEnglish, kChinese };

class Words {
 public:
  // language_file: the language file (UTF-8 XML) of this language.
  Words(Lang lang, const std::string& language_file);

  Lang Language() const { return lang_; }
  bool Chinese() const { return lang_ == Lang::kChinese; }
  // "str_..." keys come from the language file, the others from the
  // pictures' own table. A missing key is an error of the generator.
  const std::string& operator[](const std::string& key) const;

 private:
  Lang lang_;
  std::map<std::string, std::string> file_texts_;
};

// Reads the <str_...>text</str_...> elements of a language file.
std::map<std::string, std::string> ReadLanguageTexts(const std::string& path);

}  // namespace zk40::art
