// The display: what the framework needs of a window system. The FLTK
// backend shows real windows; the null backend keeps only the models, for
// tests without a screen. Exactly one is current. UI thread, except where
// a hook says otherwise.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/framework/CString.h"
#include "platform/winapi/WinTypes.h"

class Display {
public:
    virtual ~Display() = default;

    // Connects to the screen; false when there is none (see LastError).
    virtual bool Open() { return true; }
    // Why Open failed.
    virtual std::string LastError() const { return std::string(); }
    // Builds the views of a dialog's window model and its controls.
    virtual void CreateViews(HWND /*dialog*/) {}
    // Sleeps until an event or a posted message arrives and handles the
    // events (not the posted messages); returns after at most timeoutMs.
    virtual void WaitForEvents(int timeoutMs = 100);
    // Shows a modal message box owned by owner (disabled meanwhile) and
    // returns when it is closed; posted messages are handled meanwhile.
    // Default: writes the text to stderr and returns IDOK.
    virtual int MessageBox(HWND owner, const CString& caption, const CString& text, UINT type);
};

// The current display; the FLTK one unless a test installed another.
Display& TheDisplay();
// Replaces the current display (tests install the null one).
void InstallDisplay(std::unique_ptr<Display> display);
// The one place that picks a backend: FLTK, or null when headless.
std::unique_ptr<Display> CreateDisplay(bool headless);

// The loop of every loop: handles events and posted messages (each first
// offered to AfxPreTranslateMessage when preTranslate) until done() is true.
void PumpUntil(bool preTranslate, const std::function<bool()>& done);
// Runs the modal loop of the framework for dialog (or a message box when
// dialog is null) until done() is true: events and posted messages are
// handled, without the main dialog's pre-translation.
void RunModalLoop(HWND dialog, const std::function<bool()>& done);
// Depth of the modal loops running now; 0 in the main loop.
int ModalDepth();
// The dialog of the innermost modal loop, or null (none, or a message box).
HWND ModalDialog();
