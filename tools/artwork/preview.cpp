// zk40_skin_preview SKIN_SETS_DIR GENERATED_DIR OUT_DIR
//
// Turns the drawn skin into PNG pictures a person can look at: for each
// install language the main window with each of its five pages under its
// selected tab, and every page's Normal, Over and Down pictures side by side.

#include <cairo.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "BmpFile.h"
#include "Canvas.h"
#include "Draw.h"
#include "skin/layout/ChooserLayout.h"
#include "skin/layout/MainWindowLayout.h"
#include "skin/layout/SkinFiles.h"
#include "skin/layout/SkinResourceIds.h"
#include "skin/layout/StatisticsPageLayout.h"

namespace {

namespace fs = std::filesystem;
using namespace zk40::art;
namespace mw = zk40::layout::main_window;

std::string Ascii(std::u16string_view s) { return {s.begin(), s.end()}; }

// Reads a BMP or PNG into a canvas; an empty 1 x 1 canvas when it cannot.
std::unique_ptr<Canvas> Load(const fs::path& path) {
  if (path.extension() == ".png") {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.string().c_str());
    const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
    auto c = std::make_unique<Canvas>(ok ? cairo_image_surface_get_width(s) : 1, ok ? cairo_image_surface_get_height(s) : 1);
    if (ok) {
      cairo_set_source_surface(c->Cr(), s, 0, 0);
      cairo_paint(c->Cr());
    }
    cairo_surface_destroy(s);
    return c;
  }
  std::vector<std::uint8_t> bytes;
  BmpImage image;
  if (!ReadWholeFile(path.string(), bytes) || !DecodeBmp24(bytes, image)) return std::make_unique<Canvas>(1, 1);
  auto c = std::make_unique<Canvas>(image.width, image.height);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)) * 3;
      c->SetPixel(x, y, {image.rgb[i], image.rgb[i + 1], image.rgb[i + 2], 255});
    }
  }
  return c;
}

fs::path PagePath(const fs::path& skins, const zk40::layout::PageSkin& page, std::u16string_view name) {
  return page.folder.empty() ? skins / Ascii(name) : skins / Ascii(page.folder) / Ascii(name);
}

bool Triple(const fs::path& skins, const zk40::layout::PageSkin& page, const fs::path& out) {
  const int gap = 8;
  Canvas sheet(page.size.width * 3 + gap * 2, page.size.height);
  FillRect(sheet.Cr(), {0, 0, sheet.Width(), sheet.Height()}, {48, 48, 48});
  int x = 0;
  for (std::u16string_view name : {page.normal, page.over, page.down}) {
    sheet.Paint(*Load(PagePath(skins, page, name)), x, 0);
    x += page.size.width + gap;
  }
  return sheet.WritePng(out.string());
}

bool Screen(const fs::path& skins, int tab, const fs::path& out) {
  Canvas screen(mw::kSize);
  screen.Paint(*Load(skins / "Main_Normal.bmp"), 0, 0);
  // The labelled Down picture of the window: the buttons' own pictures
  // leave their captions to the program.
  const auto down = Load(skins / "Main_Down.bmp");
  {
    ClipScope clip(screen.Cr(), mw::kTabs[static_cast<std::size_t>(tab)]);
    screen.Paint(*down, 0, 0);
  }
  {
    ClipScope clip(screen.Cr(), mw::kProfileButtons[0]);
    screen.Paint(*down, 0, 0);
  }
  const zk40::layout::PageSkin* pages[] = {&zk40::layout::kButtonPageSkin, &zk40::layout::kLightingPageSkin,
                                           &zk40::layout::kMacroPageSkin, &zk40::layout::kStatisticsPageSkin,
                                           &zk40::layout::kSupportPageSkin};
  screen.Paint(*Load(PagePath(skins, *pages[tab], pages[tab]->normal)), mw::kPageOrigin.x, mw::kPageOrigin.y);
  if (tab == 3) {
    // The statistics page as a player at trophy level 7 sees it.
    namespace st = zk40::layout::statistics_page;
    constexpr int kLevel = 7;
    const auto lit = Load(PagePath(skins, *pages[tab], pages[tab]->down));
    std::vector<Rect> on{st::StripRect(kLevel)};
    for (int i = 0; i <= kLevel; ++i) on.push_back(st::TrophyIcon(i));
    for (const Rect& r : on) {
      ClipScope clip(screen.Cr(), r.Offset(mw::kPageOrigin.x, mw::kPageOrigin.y));
      screen.Paint(*lit, mw::kPageOrigin.x, mw::kPageOrigin.y);
    }
    screen.Paint(*Load(skins / "trophy" / ("trophy" + std::to_string(kLevel) + "Down.bmp")),
                 mw::kPageOrigin.x + st::kTrophyPicture.left, mw::kPageOrigin.y + st::kTrophyPicture.top);
  }
  return screen.WritePng(out.string());
}

bool Chooser(const fs::path& skins, const fs::path& out) {
  const auto frame = Load(PagePath(skins, zk40::layout::kChooserSkin, zk40::layout::kChooserSkin.normal));
  const zk40::layout::PageSkin* pages[] = {&zk40::layout::kChooserComboSkin, &zk40::layout::kChooserMacroSkin,
                                           &zk40::layout::kChooserBasicSkin, &zk40::layout::kChooserAdvancedSkin};
  const auto tab_down = Load(PagePath(skins, zk40::layout::kChooserSkin, zk40::layout::kChooserSkin.down));
  Canvas sheet(frame->Width() * 4 + 24, frame->Height());
  for (int i = 0; i < 4; ++i) {
    const int x = i * (frame->Width() + 8);
    sheet.Paint(*frame, x, 0);
    {
      ClipScope clip(sheet.Cr(), zk40::layout::chooser::kTabs[static_cast<std::size_t>(i)].Offset(x, 0));
      sheet.Paint(*tab_down, x, 0);
    }
    sheet.Paint(*Load(PagePath(skins, *pages[i], pages[i]->normal)), x + zk40::layout::chooser::kPageArea.left,
                zk40::layout::chooser::kPageArea.top);
  }
  return sheet.WritePng(out.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: zk40_skin_preview SKIN_SETS_DIR GENERATED_DIR OUT_DIR\n";
    return 2;
  }
  // GENERATED_DIR is kept in the usage for the build rule; the previews need only the skins.
  const fs::path sets = argv[1], out = argv[3];
  fs::create_directories(out);
  bool ok = true;
  const char* tabs[] = {"buttons", "lighting", "macros", "statistics", "support"};
  for (const std::string set : {"en", "sc"}) {
    const fs::path skins = sets / set / "skins";
    for (int tab = 0; tab < 5; ++tab) {
      ok = Screen(skins, tab, out / (set + "-main-" + tabs[tab] + ".png")) && ok;
    }
    for (const auto* page : zk40::layout::kPageSkins) {
      const std::string name = Ascii(page->normal.substr(0, page->normal.find(u'_')));
      const std::string folder = page->folder.empty() ? "" : Ascii(page->folder) + "-";
      ok = Triple(skins, *page, out / (set + "-states-" + folder + name + ".png")) && ok;
    }
    ok = Chooser(skins, out / (set + "-chooser.png")) && ok;
  }
  if (!ok) std::cerr << "zk40_skin_preview: a preview could not be written\n";
  return ok ? 0 : 1;
}
