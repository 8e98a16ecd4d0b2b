#include "device/UpdateDescription.h"

#include "platform/Utf16Text.h"

#ifndef ZK40_UPDATE_SERVER
#error "ZK40_UPDATE_SERVER (the update server's address) is set by the build"
#endif

namespace zk40 {
namespace {

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char16_t c = text[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

std::u16string DefaultUpdateServer() { return Utf8ToUtf16(ZK40_UPDATE_SERVER); }

std::u16string ChooseUpdateServer(std::u16string_view override, std::u16string_view builtIn) {
  return std::u16string(IsAcceptableImageAddress(override) ? override : builtIn);
}

std::u16string DescriptionUrl(std::u16string_view server) {
  std::u16string url(server);
  while (!url.empty() && url.back() == u'/') url.pop_back();
  url.append(kDescriptionUrlPath);
  return url;
}

std::u16string FirmwareFolder(const std::u16string& installFolder) {
  return installFolder + u"\\FWUpdate\\new_version";
}

std::u16string DescriptionPath(const std::u16string& installFolder) {
  return FirmwareFolder(installFolder) + u"\\update.xml";
}

std::u16string FirmwareImagePath(const std::u16string& installFolder) {
  return FirmwareFolder(installFolder) + u"\\OstrelGameDevice.bin";
}

std::u16string FlasherPath(const std::u16string& installFolder) { return installFolder + u"\\FWUpdate\\ZizedoRI.exe"; }

std::optional<UpdateDescription> ParseUpdateDescription(SharedXmlDocument& xml, std::vector<std::uint8_t> bytes) {
  if (bytes.size() > kMaxDescriptionBytes) return std::nullopt;
  auto session = xml.Open();
  if (!session->LoadBytes(std::move(bytes))) return std::nullopt;
  return UpdateDescription{session->Lookup(u"firmware", u"current"), session->Lookup(u"firmware", u"newfile")};
}

std::optional<UpdateDescription> ReadUpdateDescription(FileSystem& fs, SharedXmlDocument& xml,
                                                       const std::u16string& path) {
  std::vector<std::uint8_t> bytes;
  // One byte beyond the cap tells an oversized file from one of exactly the cap.
  if (fs.ReadWhole(path, kMaxDescriptionBytes + 1, bytes) != FileStatus::ok) return std::nullopt;
  return ParseUpdateDescription(xml, std::move(bytes));
}

bool IsAcceptableImageAddress(std::u16string_view address) {
  if (address.size() > kMaxImageAddressUnits) return false;
  std::size_t hostStart = 0;
  if (StartsWithIgnoringCase(address, u"http://")) {
    hostStart = 7;
  } else if (StartsWithIgnoringCase(address, u"https://")) {
    hostStart = 8;
  } else {
    return false;
  }
  if (hostStart >= address.size() || std::u16string_view(u"/?#:@").find(address[hostStart]) != std::u16string_view::npos) {
    return false;
  }
  for (char16_t c : address) {
    if (c <= u' ' || c == 0x7F || c == u'\\') return false;
  }
  return true;
}

}  // namespace zk40
