// Base units. GetDialogBaseUnits reports the system font's (8 x 16 pixels
// at 96 dpi); dialog templates are laid out in units of the dialog font,
// 8 point "MS Sans Serif", whose average character is 6 x 13 pixels at
// 96 dpi. Both scale with the screen's dpi.
#pragma once

#include "platform/winapi/WinTypes.h"

// Low word: the system font's average character width in pixels; high
// word: its height.
LONG GetDialogBaseUnits();
// Set by the display layer once it knows the screen (default 96).
void SetScreenDpi(double dpi);
double ScreenDpi();
// Template dialog units to pixels through the dialog font's base units.
int DialogXToPixels(int dlu);
int DialogYToPixels(int dlu);
// The dialog font's size in pixels, for the display layer.
int DialogFontPixels();
// The display layer picks the size of its font whose average character is
// no wider than the dialog font's (DialogFontAverageWidth), so that texts
// fit the rectangles the templates give them.
void SetDialogFontPixels(int pixels);
int DialogFontAverageWidth();
