// The FLTK display: real windows on the X server.
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

private:
    struct State;
    std::unique_ptr<State> m;
};
