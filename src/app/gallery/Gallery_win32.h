#pragma once
// The control gallery: every skinned control with the real skin on its real
// page background. The main window shows one page under its tab (button,
// lighting or macro page), or the progress dialog stands alone.

#include <string>
#include <vector>

#include "app/gallery/GalleryPage_win32.h"

namespace zk40::gallery {

enum class Showcase { buttons, lighting, macros, progress };

struct Options {
  Showcase showcase = Showcase::buttons;
  bool chinese = false;          // the Simplified Chinese layout and pictures
  std::u16string install_folder;  // holds skins\ (an install folder or a skin set)
};

// "[buttons|lighting|macros|progress] [--chinese] [INSTALL_FOLDER]"; false
// for an unknown word. Without a folder, program_folder\..\install is used.
[[nodiscard]] bool ParseArguments(const std::vector<std::u16string>& args, const std::u16string& program_folder,
                                  Options& options);

class Gallery {
 public:
  [[nodiscard]] bool Open(const Options& options);
  // The top-level window (the main window, or the progress dialog).
  HWND Window() const { return main_.GetSafeHwnd(); }
  void Close() { main_.DestroyWindow(); }
  void EndProgramWhenClosed() { main_.EndProgramWithPage(); }

 private:
  void FillMainWindow(const Options& options);
  void FillButtonPage(const Options& options);
  void FillLightingPage(const Options& options);
  void FillMacroPage(const Options& options);

  std::u16string thumb_;
  CGalleryPage main_;
  CGalleryPage page_;
};

}  // namespace zk40::gallery
