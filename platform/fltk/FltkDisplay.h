// The FLTK display: real windows on the X server. Every event on a dialog's
// window is first turned into the old system's message and offered to the
// framework (the main loop's pre-translation, or the dialog keys of the
// running modal dialog); FLTK handles only what nobody consumed. UI thread.
#pragma once

#include <memory>

#include "platform/fltk/Display.h"

class FltkDisplay : public Display {
public:
    FltkDisplay();
    ~FltkDisplay() override;
    bool Open() override;
    std::string LastError() const override;
    void CreateViews(HWND dialog) override;
    void WaitForEvents(int timeoutMs) override;
    int MessageBox(HWND owner, const CString& caption, const CString& text, UINT type) override;

    // Whether the X server agreed to report a held key as repeated presses
    // and one release (known after Open).
    bool DetectableAutoRepeat() const;

    // Opaque; defined in the .cpp (FLTK's C callbacks reach it).
    struct State;

private:
    std::unique_ptr<State> m;
};
