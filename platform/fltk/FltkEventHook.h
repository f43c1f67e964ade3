// Turns FLTK events on a dialog's window into the old system's messages:
// key presses into WM_KEYDOWN / WM_SYSKEYDOWN (and the releases) with
// virtual-key codes, left presses into WM_LBUTTONDOWN or WM_LBUTTONDBLCLK for
// the control under the mouse. Private to platform/fltk. UI thread.
#pragma once

#include <set>

#include "platform/winapi/Window.h"

class FltkEventHook {
public:
    // The virtual-key code of an FLTK key (Fl::event_key()); 0 for none.
    // Letters give 'A'..'Z' whatever the Shift and Caps Lock state.
    static UINT VirtualKey(int flKey);
    // The visible, enabled control of dialog under x, y (pixels in its
    // client area) that takes the mouse, or dialog itself. Statics let the
    // mouse through to what lies below, as on the old system.
    static HWND ControlAt(HWND dialog, int x, int y);

    // The message for the FLTK event now being handled on dialog's window;
    // false when the event has none. A left press is a double-click by the
    // old system's rule (the second press on the same control within 500 ms
    // and 4 pixels, and not a third one); Fl::event_clicks() is set to match
    // (1 or 0) so that the views agree.
    bool Translate(int event, HWND dialog, MSG* msg);

private:
    bool IsDoubleClick(HWND target, int x, int y);

    std::set<int> keysDown_;   // for the "previous state" bit of repeats
    HWND lastPressTarget_ = nullptr;
    unsigned long lastPressTime_ = 0;   // X server time, ms
    int lastPressX_ = 0, lastPressY_ = 0;
    bool lastWasDouble_ = false;
};
