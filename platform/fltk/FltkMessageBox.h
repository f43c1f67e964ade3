// The modal message box: caption, text, an exclamation icon and an OK
// button. Its owner is disabled while it is open; Enter, Esc, Space, the OK
// button and the close box end it. Posted messages are handled meanwhile
// (RunModalLoop). Private to platform/fltk. UI thread.
#pragma once

#include <functional>
#include <string>

#include "platform/winapi/Window.h"

class FltkMessageBox {
public:
    // Shows the box and returns IDOK when it is closed. text may hold
    // "\n\r" or "\r\n" line ends; each shows as one line break.
    // modalLoop runs events until its argument returns true.
    static int Run(HWND owner, const std::string& caption, const std::string& text,
                   const std::function<void(const std::function<bool()>&)>& modalLoop);
};
