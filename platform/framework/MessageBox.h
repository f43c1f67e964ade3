// AfxMessageBox: a modal box owned by the main window, with an OK button,
// the exclamation icon and the application title as caption. How it is
// presented is pluggable: the display layer installs a real modal box, tests
// install a recorder. UI thread only.
#pragma once

#include <functional>

#include "platform/framework/CString.h"
#include "platform/winapi/WinTypes.h"

// Shows text and returns the button pressed (IDOK).
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);

// caption, text, type (with MB_ICONEXCLAMATION added) -> result.
using MessageBoxPresenter = std::function<int(const CString& caption, const CString& text, UINT type)>;
// Returns the presenter it replaces.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);
// Without a presenter, boxes go to the display (a modal box on screen).

// The application title: the program file's name without its extension.
CString AfxGetAppTitle();
void AfxSetAppTitle(const CString& title);
