#include "settings/FileMessages.h"

#include "platform/Utf16Text.h"

namespace zk40 {

void ReportMissingFile(UserNotifier& notifier, const std::u16string& path) {
  notifier.ShowNotice(FormatText(u"Failed to open file, check whether there is a %s path?", path), false);
}

void ReportWriteFailure(UserNotifier& notifier, const StringTable& strings, FileStatus status,
                        const std::u16string& path) {
  if (status == FileStatus::not_found) {
    notifier.ShowMessageBox(FormatText(strings.Get("str_msg2"), path), kInfoCaption);
  } else if (status == FileStatus::access_denied) {
    notifier.ShowMessageBox(strings.Get("str_msg5"), kInfoCaption);
  }
}

}  // namespace zk40
