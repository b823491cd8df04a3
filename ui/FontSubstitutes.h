#pragma once

// The forms name the Windows faces they were laid out with ("ＭＳ Ｐゴシック",
// "MS Sans Serif", ...). Those faces are not found on a Linux desktop, so
// this maps each of them to installed faces of the same kind, so that no
// Japanese text ends up drawn as empty boxes. Call it once, after the
// application object exists and before any window is created.
void InstallFontSubstitutes();
