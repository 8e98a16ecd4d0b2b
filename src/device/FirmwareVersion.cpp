#include "device/FirmwareVersion.h"

namespace zk40 {
namespace {

bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

std::optional<std::uint32_t> ParseVersionText(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  if (i < text.size() && text[i] == u'+') ++i;
  std::uint64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + static_cast<std::uint64_t>(text[i] - u'0');
    if (value > UINT32_MAX) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

bool IsNewerFirmware(std::u16string_view currentText, std::u16string_view firmwareText) {
  const std::optional<std::uint32_t> current = ParseVersionText(currentText);
  const std::optional<std::uint32_t> firmware = ParseVersionText(firmwareText);
  return current && firmware && *current > *firmware;
}

std::u16string NewerFirmwareQuestion(int uiIsChinese) {
  return uiIsChinese == 1 ? u"游戏鼠标固件有更新,是否更新到最新版本?"
                          : u"A new version of firmware is available for the gaming mouse, whether to update or not?";
}

std::u16string LatestFirmwareText(int uiIsChinese) {
  return uiIsChinese == 1 ? u"固件已经是最新版本." : u"Firmware is the latest version.";
}

std::u16string FirmwareDownloadFailedText() { return u"New-version firmware download failed."; }

}  // namespace zk40
