// Painters not drawn yet.
#include "Art.h"
namespace zk40::art {
void PaintSupportPage(Canvas&, const Words&, Look) {}
void PaintChooserFrame(Canvas&, const Words&, Look) {}
void PaintChooserCombo(Canvas&, const Words&, Look) {}
void PaintChooserMacro(Canvas&, const Words&, Look) {}
void PaintChooserBasic(Canvas&, const Words&, Look) {}
void PaintChooserAdvanced(Canvas&, const Words&, Look) {}
void PaintNotice(Canvas&, bool, Look) {}
void PaintProgress(Canvas&, bool) {}
void PaintSliderThumb(Canvas&) {}
void PaintStepIcon(Canvas&, StepIcon, bool) {}
void PaintGameMenuRow(Canvas&, Look, bool) {}
void PaintScrollBarSkin(Canvas&) {}
void PaintPopupFrame(Canvas&) {}
void PaintFlag(Canvas&, int) {}
void PaintTrayIcon(Canvas&, bool) {}
void PaintApplicationIcon(Canvas&) {}
}
