#include "shell/MainWindowRules.h"

namespace zk40 {

std::u16string UploadFailedText(long errorIndex) {
  switch (errorIndex) {
    case 0: return u"write mousekey metix fail.\n";
    case 1: return u"Write mouse LED color failed.\n";
    case 2: return u"Write mouse effect failed.\n";
    case 4: return u"Write mouse touch failed.\n";
    case 5: return u"Write mouse DPI failed.\n";
    default: return u"";
  }
}

TabView TabViewFor(int tab) {
  if (tab < 1 || tab > kTabCount) tab = 1;
  TabView view;
  view.visible_page = tab;
  // Profiles and Apply belong to the pages that edit the record.
  view.profiles_enabled = tab <= 2;
  view.refresh_page = tab <= 2;
  view.leaves_macro_page = tab != 3;
  return view;
}

}  // namespace zk40
