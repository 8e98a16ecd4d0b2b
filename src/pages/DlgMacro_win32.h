#pragma once
// The macro page: the macro list of the chosen game group, the step editor
// and the recorder. The main window asks it to fill its list at start-up, to
// commit its loop count before an upload and to stop a recording when
// another tab is chosen.

#include "pages/SkinPage_win32.h"
#include "resource.h"
#include "skin/layout/SkinFiles.h"

namespace zk40 {

class CDlgMacro final : public CSkinPage {
 public:
  CDlgMacro(CWnd* parent, const PageContext& context) : CSkinPage(IDD_PAGE_MACROS, parent, context, layout::kMacroPageSkin) {}

  // Lists the macros of the current game group (start-up).
  void FillMacroList() {}
  // Writes a typed loop count into the edited macro before an upload.
  void CommitLoopCount() {}
  bool IsRecording() const { return false; }
  void StopRecording() {}
  // Frees the GDI object the page holds, before the page is destroyed.
  void ReleaseHeldGdiObject() {}
};

}  // namespace zk40
