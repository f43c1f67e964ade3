// Drawing and window helpers shared by the FLTK views. Private to
// platform/fltk: only its .cpp files include this. UI thread.
#pragma once

#include "platform/winapi/DialogKeys.h"

#include <string>

#include <FL/Fl_Window.H>

struct Bitmap;

// Selects the dialog font (FL_HELVETICA at the dialog font's pixel size).
void UseDialogFont();
// Draws one line with its baseline at y, underlining the marked letter.
void DrawMnemonicLine(const MnemonicText& text, int x, int y);
// Width of a line in the current font.
int TextWidth(const std::string& text);

// Draws a decoded bitmap at its own size with its top left corner at x, y.
void DrawBitmap(const Bitmap& bitmap, int x, int y);

// The 3-D push button frame and face of the old system; pushed is sunken.
void DrawButtonFace(int x, int y, int w, int h, bool pushed, bool isDefault);
// The dotted focus rectangle.
void DrawFocusRect(int x, int y, int w, int h);
// The old system's gray face colour.
Fl_Color FaceColor();

// Gives a shown, mapped top-level window the keyboard focus of the X server,
// as the old system activated a window when it was shown. Harmless when the
// window is not yet viewable. True when it was done.
bool ActivateWindow(Fl_Window* window);

// Connects FLTK to the X server named by DISPLAY. Never exits the process:
// false with *error set when there is no server. Turns on detectable
// auto-repeat, so a held key gives repeated presses and one release;
// *detectableRepeat tells whether the server agreed.
bool OpenXDisplay(std::string* error, bool* detectableRepeat);
// From now on a dialog window becomes the active window when it is mapped.
void ActivateDialogsWhenMapped();
