#pragma once
// The process start of the driver, in its fixed order: the single-instance
// mutex (a second start only wakes the running window and ends), the data
// and install folders, a first language file, then the main window, run
// until it ends. The workers' request signals belong to the workers, which
// the main window starts once the mouse was found.

#include <string>
#include <string_view>

#include "settings/SettingsStore.h"

namespace zk40 {

inline constexpr char16_t kSingleInstanceMutex[] = u"ZK40Driver.exe";
inline constexpr char16_t kMainWindowTitle[] = u"Ostrel ZK40 Gaming Mouse Driver";
// The tray icon's left double-click, which a second start posts with 1132.
inline constexpr long kWakeTrayMessage = 515;

// What the start asks of the system.
class StartSystem {
 public:
  virtual ~StartSystem() = default;
  // Creates (or opens) the named mutex, kept until the process ends; true
  // when it already existed.
  virtual bool CreateMutexExisted(const std::u16string& name) = 0;
  // Posts 1132 / 515 to the top-level window of that title, when there is one.
  virtual void WakeWindow(const std::u16string& title) = 0;
  // The user's temp path, ending in a backslash.
  virtual std::u16string TempPath() = 0;
  // The program file's full path.
  virtual std::u16string ProgramPath() = 0;
  virtual void LoadLanguageFile(const std::u16string& path) = 0;
  // Runs the main window modally; returns when it has ended.
  virtual void RunMainWindow() = 0;
};

enum class StartResult { woke_running_copy, main_window_ended };

// temp path + "OSTREL\ZK40".
std::u16string DataFolderOf(std::u16string_view tempPath);
// The program's folder without a trailing backslash: the path cut before
// its last backslash (empty when there is none).
std::u16string InstallFolderOf(std::u16string_view programPath);

StartResult RunApplicationStart(StartSystem& system, SettingsStore& store);

}  // namespace zk40
