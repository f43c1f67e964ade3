#include "platform/fltk/FltkDisplay.h"

struct FltkDisplay::State {
    std::string error;
};

FltkDisplay::FltkDisplay() : m(std::make_unique<State>()) {}
FltkDisplay::~FltkDisplay() = default;
bool FltkDisplay::Open() { m->error = "the window layer is not built yet"; return false; }
std::string FltkDisplay::LastError() const { return m->error; }
void FltkDisplay::CreateViews(HWND) {}
void FltkDisplay::WaitForEvents(int timeoutMs) { Display::WaitForEvents(timeoutMs); }
int FltkDisplay::MessageBox(HWND owner, const CString& caption, const CString& text, UINT type)
{
    return Display::MessageBox(owner, caption, text, type);
}
