#pragma once
// The painters of every picture. A page painter draws the whole page with
// every control in one look; called three times it gives the Normal, Over and
// Down pictures of the page, which differ only inside the controls.

#include "Canvas.h"
#include "Texts.h"
#include "Widgets.h"

namespace zk40::art {

// Main window (959 x 639): title buttons, tabs, profile buttons, Apply.
void PaintMainWindow(Canvas& c, const Words& w, Look look);
// The same without the captions of the tabs, profile buttons and Apply: the
// state pictures of those buttons, which the program labels itself.
void PaintMainWindowButtons(Canvas& c, const Words& w, Look look);
void PaintMainWindow(Canvas& c, const Words& w, Look look, bool button_labels);
// The pages (925 x 452).
void PaintButtonPage(Canvas& c, const Words& w, Look look);
// The button page's entry pictures (925 x 456): the page with its seven
// button entries in one look.
void PaintButtonEntries(Canvas& c, const Words& w, Look look);
void PaintLightingPage(Canvas& c, const Words& w, Look look);
void PaintMacroPage(Canvas& c, const Words& w, Look look);
void PaintStatisticsPage(Canvas& c, const Words& w, Look look);
void PaintSupportPage(Canvas& c, const Words& w, Look look);
// Function chooser frame (413 x 300) and its four pages (370 x 169).
void PaintChooserFrame(Canvas& c, const Words& w, Look look);
void PaintChooserCombo(Canvas& c, const Words& w, Look look);
void PaintChooserMacro(Canvas& c, const Words& w, Look look);
void PaintChooserBasic(Canvas& c, const Words& w, Look look);
void PaintChooserAdvanced(Canvas& c, const Words& w, Look look);

// Dialogs: the notice in both forms, the progress dialog (empty and full).
void PaintNotice(Canvas& c, bool with_cancel, Look look);
void PaintProgress(Canvas& c, bool full);

// Statistics: the large trophy of a level 0..12.
void PaintTrophy(Canvas& c, int level);

// Small pictures.
void PaintSliderThumb(Canvas& c);
enum class StepIcon { kKeyUp, kKeyDown, kDelay };
void PaintStepIcon(Canvas& c, StepIcon icon, bool selected);
// Game menu rows: with_submenu rows carry an arrow.
void PaintGameMenuRow(Canvas& c, Look look, bool with_submenu);
void PaintScrollBarSkin(Canvas& c);
void PaintPopupFrame(Canvas& c);
// Flag of language 1..12 (the languages' order of the language table).
void PaintFlag(Canvas& c, int language);
void PaintTrayIcon(Canvas& c, bool exit);
void PaintApplicationIcon(Canvas& c);

}  // namespace zk40::art
