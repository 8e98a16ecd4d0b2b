#pragma once
// The support page: driver and firmware versions, update check, web site,
// profile import and export, and restore defaults (posted to the main window
// as 2054).

#include <string>

#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgSupport final : public CSkinPage {
 public:
  CDlgSupport(CWnd* parent, const PageContext& context) : CSkinPage(IDD_PAGE_SUPPORT, parent, context, layout::kSupportPageSkin) {}

  // The firmware version in decimal, or empty when none was read.
  void SetFirmwareText(const std::u16string& text) { firmware_text_ = text; }
  const std::u16string& FirmwareText() const { return firmware_text_; }

 private:
  std::u16string firmware_text_;
};

}  // namespace zk40
