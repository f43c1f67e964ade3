// The dialog keyboard interface of the old system, on the window models:
// Tab and Shift+Tab move the focus among the tab-stop controls, Enter
// presses the default button, Esc sends IDCANCEL, and Alt with a letter
// marked by "&" in a caption presses that button. UI thread.
#pragma once

#include <string>

#include "platform/winapi/WinTypes.h"

// Handles msg for dialog when it is one of these keys; TRUE when it did.
BOOL IsDialogMessageA(HWND dialog, MSG* msg);
// A caption with its "&" marks taken out: "E&xit" shows "Exit" with the x
// marked; "&&" shows one "&".
struct MnemonicText {
    std::string shown;
    int underline = -1;   // byte index into shown, or -1
};
MnemonicText ParseMnemonic(const std::string& caption);
// The letter marked by "&" in a caption ("E&xit" -> 'x'), lower case, or 0.
char MnemonicOf(const char* caption);
// The first visible, enabled control with WS_TABSTOP, or null.
HWND FirstTabStop(HWND dialog);
