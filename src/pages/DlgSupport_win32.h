#pragma once
// The support page: the driver's and the mouse's versions, the firmware
// update check, the maker's web site, profile import and export, and restore
// defaults (asked first, then posted to the main window as 2054).

#include <array>
#include <string>

#include "device/FirmwareUpdate.h"
#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/GDIBitmapBtn_win32.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgSupport final : public CSkinPage {
 public:
  CDlgSupport(CWnd* parent, const PageContext& context) : CSkinPage(IDD_PAGE_SUPPORT, parent, context, layout::kSupportPageSkin) {}

  // The firmware version in decimal, or empty when none was read.
  void SetFirmwareText(const std::u16string& text);
  const std::u16string& FirmwareText() const { return firmware_text_; }
  // The update check the update button runs, once the mouse was found; the
  // page's answer timer goes to it. Null: the button does nothing.
  void SetUpdateCheck(FirmwareUpdate* update) { update_ = update; }

  void SetCaptions() override;

  // The buttons' actions.
  void CheckForUpdate();
  void OpenWebSite();
  void ImportProfile();
  void ExportProfile();
  void RestoreDefaults();

 protected:
  void OnFirstShow() override;
  bool OnPaint() override;
  bool OnMouseMove(UINT flags, POINT point) override;
  bool OnTimer(UINT_PTR id) override;

 private:
  // In the order of the layout's controls: five buttons, then the two areas.
  std::array<CGDIBitmapBtn, 7> controls_;
  std::u16string firmware_text_;
  FirmwareUpdate* update_ = nullptr;
};

}  // namespace zk40
