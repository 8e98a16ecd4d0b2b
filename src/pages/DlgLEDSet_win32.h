#pragma once
// The lighting page: effect, colour, brightness or breathing speed and
// proximity sensing. The main window refreshes it from the current record.

#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgLEDSet final : public CSkinPage {
 public:
  CDlgLEDSet(CWnd* parent, const PageContext& context) : CSkinPage(IDD_PAGE_LIGHTING, parent, context, layout::kLightingPageSkin) {}

  // Shows the current record again (tab 2, tray, profile switch, defaults).
  void Refresh() {}
};

}  // namespace zk40
