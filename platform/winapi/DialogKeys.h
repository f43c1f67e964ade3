// The dialog keyboard interface of the old system, on the window models:
// Tab and Shift+Tab move the focus among the tab-stop controls, Enter
// presses the default button, Esc sends IDCANCEL, and Alt with a letter
// marked by "&" in a caption presses that button. UI thread.
#pragma once

#include "platform/winapi/WinTypes.h"

// Handles msg for dialog when it is one of these keys; TRUE when it did.
BOOL IsDialogMessageA(HWND dialog, MSG* msg);
// The letter marked by "&" in a caption ("E&xit" -> 'x'), or 0.
char MnemonicOf(const char* caption);
