#pragma once

class QWidget;

// uic builds a form's widgets but drops what its designer's run-time did on
// loading, so the forms carry that as dynamic properties and this applies
// them once, right after setupUi():
//   fontPixelSize (int)   the font's character height in pixels; the forms
//                         were laid out in pixels, and uic knows only points
//   autoSize (bool)       a label that sizes itself to its text, keeping its
//                         top-left corner
//   framePosition (point) where the window's outer frame goes on the screen
// The form's client area keeps its designed size, and grows if a text set
// in an installed face reaches beyond it, so that nothing is cut off.
void FinishDesignedForm(QWidget* form);
