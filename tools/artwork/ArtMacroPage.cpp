// The macro page: game button and macro list on the left, the step list in
// the middle, and on the right recording, loop count, mouse clicks and the
// key and delay inserts.

#include "Art.h"
#include "MouseArt.h"
#include "Theme.h"
#include "skin/layout/MacroPageLayout.h"

namespace zk40::art {
namespace {

using namespace theme;
namespace mp = layout::macro_page;

void ListWell(cairo_t* cr, Rect list) {
  FillRect(cr, list, Rgb{0, 0, 0});
  StrokeRoundRect(cr, list.Inflate(2), 3, kLine);
}

void DropDown(cairo_t* cr, Rect r, Look look) {
  FillRoundRect(cr, r, 3, look == Look::kDown ? kAccentShadow : kInset);
  StrokeRoundRect(cr, r, 3, look == Look::kNormal ? kLine : kAccent);
  if (look != Look::kNormal) HLine(cr, r.left + 3, r.right - 3, r.bottom - 1, kAccentBright, 0.8);
  DrawGlyph(cr, Glyph::kCaretDown, r.right - 14, (r.top + r.bottom) / 2.0 + 0.5, 8,
            look == Look::kNormal ? kTextMuted : Rgb{255, 255, 255}, 1.6);
}

// A mouse button that inserts a click: a light laid over the picture.
void ClickZone(cairo_t* cr, Rect r, Look look) {
  if (look == Look::kNormal) {
    StrokeRoundRect(cr, r, 4, kAccent, 0.35);
    return;
  }
  FillRoundRect(cr, r, 4, look == Look::kDown ? kAccentBright : kAccent, look == Look::kDown ? 0.75 : 0.35);
  StrokeRoundRect(cr, r, 4, kAccentBright);
}

}  // namespace

void PaintMacroPage(Canvas& c, const Words& w, Look look) {
  cairo_t* cr = c.Cr();
  const bool zh = w.Chinese();
  PageGround(cr, {0, 0, c.Width(), c.Height()});

  // Macros of the chosen game.
  SectionTitleArea(cr, mp::kMacroListLabel, w["macros"], look, 327, zh);
  {
    ClipScope clip(cr, mp::kGameButton);
    DropDown(cr, mp::kGameButton, look);
  }
  ListWell(cr, mp::kMacroList);
  {
    ClipScope clip(cr, mp::kNewMacroButton);
    IconButton(cr, mp::kNewMacroButton, look, Glyph::kPlus);
  }
  {
    ClipScope clip(cr, mp::kDeleteMacroButton);
    IconButton(cr, mp::kDeleteMacroButton, look, Glyph::kTrash);
  }

  // Steps of the selected macro.
  SectionTitleArea(cr, mp::kStepListLabel, w["steps"], look, 627, zh);
  ListWell(cr, mp::kStepList);
  const std::pair<Rect, Glyph> step_buttons[] = {{mp::kInsertButton.For(zh), Glyph::kPlus},
                                                 {mp::kDeleteStepButton.For(zh), Glyph::kCross},
                                                 {mp::kModifyButton.For(zh), Glyph::kPencil}};
  for (const auto& [r, glyph] : step_buttons) {
    ClipScope clip(cr, r);
    IconButton(cr, r, look, glyph);
  }

  // Recording and inserting.
  Card(cr, {638, 12, 913, 442}, kCard);
  {
    ClipScope clip(cr, mp::kRecordButton);
    ButtonFace(cr, mp::kRecordButton, look);
    DrawGlyph(cr, Glyph::kRecord, mp::kRecordButton.left + 12, (mp::kRecordButton.top + mp::kRecordButton.bottom) / 2.0,
              8, look == Look::kDown ? Rgb{120, 10, 10} : Rgb{232, 56, 56});
  }
  Label(cr, {648, 22, 776, 53}, w["record"], kTextStrong, 13);
  {
    ClipScope clip(cr, mp::kDelayToggle);
    CheckBox(cr, mp::kDelayToggle, look, w["record_delays"], 12);
  }
  Label(cr, {646, 84, 846, 105}, w["loops"], kText, 12);
  Field(cr, mp::kLoopCountEdit.Inflate(2));
  HLine(cr, 648, 904, 118, kLineSoft);

  Label(cr, {646, zh ? 160 : 126, 904, zh ? 182 : 146}, w["insert_click"], kText, 12);
  const MouseShape mouse = zh ? MouseShape{770, 186, 334, 60, 262} : MouseShape{770, 152, 304, 60, 214};
  DrawMouse(cr, mouse, false);
  for (const auto& zone : mp::kMouseButtons) {
    const Rect r = zone.For(zh);
    ClipScope clip(cr, r);
    ClickZone(cr, r, look);
  }

  const Rect key_choice = mp::kKeyChoice.For(zh), delay_choice = mp::kDelayChoice.For(zh);
  {
    ClipScope clip(cr, key_choice);
    OptionButton(cr, key_choice, look, w["insert_key"], 12);
  }
  Field(cr, mp::kKeyEdit.For(zh));
  {
    ClipScope clip(cr, mp::kKeyOkButton.For(zh));
    TextButton(cr, mp::kKeyOkButton.For(zh), look, w["ok"]);
  }
  {
    ClipScope clip(cr, delay_choice);
    OptionButton(cr, delay_choice, look, w["insert_delay"], 12);
  }
  Field(cr, mp::kDelayEdit.For(zh));
  {
    ClipScope clip(cr, mp::kDelayOkButton.For(zh));
    TextButton(cr, mp::kDelayOkButton.For(zh), look, w["ok"]);
  }
}

}  // namespace zk40::art
