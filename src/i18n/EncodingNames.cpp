#include "i18n/EncodingNames.h"

#include "i18n/NameBuckets.h"

namespace zk40 {
namespace {

// The names Windows registers for its code pages, with their aliases.
constexpr NamedNumber kEncodingNames[] = {
    {"utf-8", 65001}, {"unicode-1-1-utf-8", 65001}, {"unicode-2-0-utf-8", 65001},
    {"x-unicode-1-1-utf-8", 65001}, {"x-unicode-2-0-utf-8", 65001}, {"utf-7", 65000},
    {"unicode-1-1-utf-7", 65000}, {"unicode-2-0-utf-7", 65000}, {"x-unicode-1-1-utf-7", 65000},
    {"x-unicode-2-0-utf-7", 65000}, {"csunicode11utf7", 65000}, {"utf-16", 1200}, {"utf-16le", 1200},
    {"unicode", 1200}, {"ucs-2", 1200}, {"iso-10646-ucs-2", 1200}, {"unicodefffe", 1201}, {"utf-16be", 1201},
    {"utf-32", 12000}, {"utf-32le", 12000}, {"utf-32be", 12001}, {"us-ascii", 20127}, {"ascii", 20127},
    {"us", 20127}, {"iso-8859-1", 28591}, {"iso_8859-1", 28591}, {"latin1", 28591}, {"l1", 28591},
    {"iso-8859-2", 28592}, {"iso_8859-2", 28592}, {"latin2", 28592}, {"l2", 28592}, {"iso-8859-3", 28593},
    {"iso_8859-3", 28593}, {"latin3", 28593}, {"l3", 28593}, {"iso-8859-4", 28594}, {"iso_8859-4", 28594},
    {"latin4", 28594}, {"l4", 28594}, {"iso-8859-5", 28595}, {"iso_8859-5", 28595}, {"cyrillic", 28595},
    {"iso-8859-6", 28596}, {"iso_8859-6", 28596}, {"arabic", 28596}, {"ecma-114", 28596},
    {"iso-8859-7", 28597}, {"iso_8859-7", 28597}, {"greek", 28597}, {"greek8", 28597}, {"ecma-118", 28597},
    {"elot_928", 28597}, {"iso-8859-8", 28598}, {"iso_8859-8", 28598}, {"hebrew", 28598}, {"visual", 28598},
    {"iso-8859-8-i", 38598}, {"logical", 38598}, {"iso-8859-9", 28599}, {"iso_8859-9", 28599},
    {"latin5", 28599}, {"l5", 28599}, {"iso-8859-11", 874}, {"iso-8859-13", 28603}, {"iso-8859-15", 28605},
    {"iso_8859-15", 28605}, {"latin9", 28605}, {"l9", 28605}, {"windows-1250", 1250}, {"x-cp1250", 1250},
    {"windows-1251", 1251}, {"x-cp1251", 1251}, {"windows-1252", 1252}, {"x-ansi", 1252},
    {"windows-1253", 1253}, {"windows-1254", 1254}, {"windows-1255", 1255}, {"windows-1256", 1256},
    {"cp1256", 1256}, {"windows-1257", 1257}, {"windows-1258", 1258}, {"windows-874", 874}, {"tis-620", 874},
    {"dos-874", 874}, {"gb2312", 936}, {"gbk", 936}, {"chinese", 936}, {"cn-gb", 936}, {"csgb2312", 936},
    {"gb_2312-80", 936}, {"gb2312-80", 936}, {"x-gbk", 936}, {"gb18030", 54936}, {"euc-cn", 51936},
    {"x-euc-cn", 51936}, {"hz-gb-2312", 52936}, {"big5", 950}, {"cn-big5", 950}, {"csbig5", 950},
    {"x-x-big5", 950}, {"big5-hkscs", 950}, {"shift_jis", 932}, {"shift-jis", 932}, {"sjis", 932},
    {"x-sjis", 932}, {"ms_kanji", 932}, {"csshiftjis", 932}, {"cswindows31j", 932}, {"x-ms-cp932", 932},
    {"euc-jp", 51932}, {"x-euc-jp", 51932}, {"x-euc", 51932},
    {"extended_unix_code_packed_format_for_japanese", 51932}, {"iso-2022-jp", 50220}, {"csiso2022jp", 50221},
    {"euc-kr", 949}, {"ks_c_5601-1987", 949}, {"ks_c_5601-1989", 949}, {"ks_c_5601", 949}, {"ksc_5601", 949},
    {"ksc5601", 949}, {"ks-c-5601", 949}, {"korean", 949}, {"cseuckr", 949}, {"iso-2022-kr", 50225},
    {"csiso2022kr", 50225}, {"johab", 1361}, {"koi8-r", 20866}, {"koi8", 20866}, {"koi", 20866},
    {"koi8r", 20866}, {"cskoi8r", 20866}, {"koi8-u", 21866}, {"koi8-ru", 21866}, {"ibm437", 437},
    {"cp437", 437}, {"ibm850", 850}, {"cp850", 850}, {"ibm852", 852}, {"cp852", 852}, {"ibm866", 866},
    {"cp866", 866}, {"dos-720", 720}, {"dos-862", 862}, {"ibm737", 737}, {"ibm775", 775}, {"ibm855", 855},
    {"ibm857", 857}, {"ibm00858", 858}, {"ibm860", 860}, {"ibm861", 861}, {"ibm863", 863}, {"ibm864", 864},
    {"ibm865", 865}, {"ibm869", 869}, {"asmo-708", 708}, {"macintosh", 10000}, {"x-mac-japanese", 10001},
    {"x-mac-chinesetrad", 10002}, {"x-mac-korean", 10003}, {"x-mac-arabic", 10004}, {"x-mac-hebrew", 10005},
    {"x-mac-greek", 10006}, {"x-mac-cyrillic", 10007}, {"x-mac-chinesesimp", 10008},
    {"x-mac-romanian", 10010}, {"x-mac-ukrainian", 10017}, {"x-mac-thai", 10021}, {"x-mac-ce", 10029},
    {"x-mac-icelandic", 10079}, {"x-mac-turkish", 10081}, {"x-mac-croatian", 10082}, {"ibm037", 37},
    {"x-ebcdic-cp-us", 37}, {"ebcdic-cp-us", 37}, {"ebcdic-cp-ca", 37}, {"ebcdic-cp-nl", 37},
    {"ebcdic-cp-wt", 37}, {"ibm500", 500}, {"ebcdic-cp-be", 500}, {"ebcdic-cp-ch", 500},
    {"x-ebcdic-international", 500}, {"ibm1026", 1026}, {"ibm01047", 1047}, {"ibm273", 20273},
    {"x-ebcdic-germany", 20273}, {"ibm277", 20277}, {"x-ebcdic-denmarknorway", 20277}, {"ibm278", 20278},
    {"x-ebcdic-finlandsweden", 20278}, {"ibm280", 20280}, {"x-ebcdic-italy", 20280}, {"ibm284", 20284},
    {"x-ebcdic-spain", 20284}, {"ibm285", 20285}, {"x-ebcdic-uk", 20285}, {"ibm290", 20290},
    {"x-ebcdic-japanesekatakana", 20290}, {"ibm297", 20297}, {"x-ebcdic-france", 20297}, {"ibm420", 20420},
    {"x-ebcdic-arabic", 20420}, {"ibm423", 20423}, {"x-ebcdic-greek", 20423}, {"ibm424", 20424},
    {"x-ebcdic-hebrew", 20424}, {"x-ebcdic-koreanextended", 20833}, {"ibm-thai", 20838},
    {"x-ebcdic-thai", 20838}, {"x-ebcdic-cyrillicrussian", 20880}, {"x-ebcdic-icelandic", 20871},
    {"x-ebcdic-cyrillicserbianbulgarian", 21025}, {"ibm870", 870}, {"ibm-870", 870},
    {"x-ebcdic-greekmodern", 875}, {"cp875", 875}, {"ibm905", 20905}, {"x-ebcdic-turkish", 20905},
    {"ibm00924", 20924}, {"x-ebcdic-latin9-euro", 20924}, {"x-ebcdic-cp-us-euro", 1140},
    {"x-ebcdic-germany-euro", 1141}, {"x-ebcdic-denmarknorway-euro", 1142},
    {"x-ebcdic-finlandsweden-euro", 1143}, {"x-ebcdic-italy-euro", 1144}, {"x-ebcdic-spain-euro", 1145},
    {"x-ebcdic-uk-euro", 1146}, {"x-ebcdic-france-euro", 1147}, {"x-ebcdic-international-euro", 1148},
    {"x-ebcdic-icelandic-euro", 1149}, {"x-ebcdic-japaneseandkana", 50930},
    {"x-ebcdic-japaneseandjapaneselatin", 50939}, {"x-ebcdic-japaneseanduscanada", 50931},
    {"x-ebcdic-koreanandkoreanextended", 50933}, {"x-ebcdic-simplifiedchinese", 50935},
    {"x-ebcdic-traditionalchinese", 50937}, {"x-iscii-de", 57002}, {"x-iscii-be", 57003},
    {"x-iscii-ta", 57004}, {"x-iscii-te", 57005}, {"x-iscii-as", 57006}, {"x-iscii-or", 57007},
    {"x-iscii-ka", 57008}, {"x-iscii-ma", 57009}, {"x-iscii-gu", 57010}, {"x-iscii-pa", 57011},
    {"x-chinese-cns", 20000}, {"x-chinese-eten", 20002}, {"x-ia5", 20105}, {"x-ia5-german", 20106},
    {"x-ia5-swedish", 20107}, {"x-ia5-norwegian", 20108}, {"x-europa", 29001},
};
static_assert(std::size(kEncodingNames) == 254);

constexpr std::size_t kBuckets = 150;
constexpr NameBuckets<kBuckets, RunChars(kEncodingNames)> kTable(kEncodingNames);

constexpr std::size_t kLongestName = 99;

}  // namespace

std::optional<std::uint32_t> EncodingCodePage(std::u16string_view name) {
  if (name.starts_with(u"UTF-32")) return kUtf32CodePage;
  if (name.size() > kLongestName) return std::nullopt;
  std::optional<std::uint32_t> found;
  kTable.VisitBucket(NameBucket(name, kBuckets), [&](std::string_view entry, std::uint32_t codePage) {
    if (entry.size() != name.size()) return false;
    for (std::size_t i = 0; i < entry.size(); ++i) {
      if (LowerAscii(name[i]) != static_cast<char16_t>(entry[i])) return false;
    }
    found = codePage;
    return true;
  });
  return found;
}

bool IsUtf32CodePage(std::uint32_t codePage) {
  return codePage == kUtf32CodePage || codePage == kUtf32BigEndianCodePage;
}

}  // namespace zk40
