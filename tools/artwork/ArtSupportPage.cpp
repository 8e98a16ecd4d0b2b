// The support page: versions, firmware update, the maker's site, profile
// files and the factory settings.

#include "Art.h"
#include "Theme.h"
#include "skin/layout/SupportPageLayout.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace sp = layout::support_page;

void ActionButton(cairo_t* cr, Rect r, Look look, ButtonKind kind = ButtonKind::kSecondary) {
  ClipScope clip(cr, r);
  ButtonFace(cr, r, look, kind);
}

// A version tile: a label area with an icon before it; the program draws the
// version number below.
void VersionTile(cairo_t* cr, Rect tile, Rect area, const std::string& label, Glyph glyph, Look look) {
  Card(cr, tile, kRaised);
  FillRect(cr, {tile.left, tile.top + 8, tile.left + 3, tile.bottom - 8}, kAccent);
  DrawGlyph(cr, glyph, area.left - 14, (area.top + area.bottom) / 2.0, 13, kAccent, 1.5);
  ClipScope clip(cr, area);
  Label(cr, area, label, look == Look::kNormal ? kText : Rgb{255, 255, 255}, 13);
}

}  // namespace

void PaintSupportPage(Canvas& c, const Words& w, Look look) {
  cairo_t* cr = c.Cr();
  const bool zh = w.Chinese();
  PageGround(cr, {0, 0, c.Width(), c.Height()});

  // Versions.
  Card(cr, {12, 14, 913, 212}, kCard);
  SectionTitle(cr, {24, 58, 600, 82}, w["versions"], Look::kNormal, 900, zh);
  VersionTile(cr, {40, 96, 340, 200}, sp::kDriverVersionArea.rect, w["driver_version"], Glyph::kInfo, look);
  VersionTile(cr, {350, 96, 660, 200}, sp::kFirmwareVersionArea.rect, w["firmware_version"], Glyph::kArrowUp, look);
  // The product on the right.
  DrawText(cr, {690, 104, 900, 150}, "ZK40", TextStyle{40, 800, kTextStrong, Align::kCenter, 3});
  DrawText(cr, {690, 150, 900, 170}, w["brand"], TextStyle{12, 700, kAccent, Align::kCenter, 6});

  // Firmware and web site.
  Card(cr, {12, 222, 540, 326}, kCard);
  SectionTitle(cr, {24, 232, 530, 256}, w["firmware"], Look::kNormal, 530, zh);
  Label(cr, {32, 264, 395, 293}, w["firmware_note"], kTextMuted, 12);
  ActionButton(cr, sp::kUpdateButton.rect, look, ButtonKind::kPrimary);
  Card(cr, {552, 222, 913, 326}, kCard);
  SectionTitle(cr, {564, 232, 904, 256}, w["website"], Look::kNormal, 904, zh);
  Label(cr, {572, 264, 703, 293}, w["website_note"], kTextMuted, 12);
  ActionButton(cr, sp::kWebSiteButton.rect, look);

  // Profile files and factory settings.
  Card(cr, {12, 336, 540, 440}, kCard);
  SectionTitle(cr, {24, 346, 530, 370}, w["profile_files"], Look::kNormal, 530, zh);
  Label(cr, {340, 389, 530, 420}, w["profile_note"], kTextMuted, 12);
  ActionButton(cr, sp::kImportButton.rect, look);
  ActionButton(cr, sp::kExportButton.rect, look);
  Card(cr, {552, 336, 913, 440}, kCard);
  SectionTitle(cr, {564, 346, 904, 370}, w["factory"], Look::kNormal, 904, zh);
  Label(cr, {572, 388, 777, 417}, w["factory_note"], kTextMuted, 12);
  ActionButton(cr, sp::kRestoreButton.rect, look, ButtonKind::kDanger);
}

}  // namespace zk40::art
