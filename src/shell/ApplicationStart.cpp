#include "shell/ApplicationStart.h"

namespace zk40 {

std::u16string DataFolderOf(std::u16string_view tempPath) {
  return std::u16string(tempPath) + u"OSTREL\\ZK40";
}

std::u16string InstallFolderOf(std::u16string_view programPath) {
  const std::size_t cut = programPath.rfind(u'\\');
  if (cut == std::u16string_view::npos) return std::u16string();
  return std::u16string(programPath.substr(0, cut));
}

StartResult RunApplicationStart(StartSystem& system, SettingsStore& store) {
  if (system.CreateMutexExisted(kSingleInstanceMutex)) {
    system.WakeWindow(kMainWindowTitle);
    return StartResult::woke_running_copy;
  }
  store.data_folder = DataFolderOf(system.TempPath());
  store.install_folder = InstallFolderOf(system.ProgramPath());
  // Every language text exists before the main window is built.
  system.LoadLanguageFile(store.install_folder + u"\\Language\\sc.xml");
  system.RunMainWindow();
  return StartResult::main_window_ended;
}

}  // namespace zk40
