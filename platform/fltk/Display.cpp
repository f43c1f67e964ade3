#include "platform/fltk/Display.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <vector>

#include "platform/fltk/FltkDisplay.h"
#include "platform/framework/CWinApp.h"
#include "platform/winapi/PostedQueue.h"

namespace {

std::unique_ptr<Display>& Slot()
{
    static std::unique_ptr<Display> slot;
    return slot;
}

// Without a window system the loop sleeps until something is posted.
struct Waker {
    std::mutex lock;
    std::condition_variable cv;
    bool signalled = false;
};

Waker& TheWaker()
{
    static Waker w;
    return w;
}

} // namespace

void Display::WaitForEvents(int timeoutMs)
{
    Waker& w = TheWaker();
    static std::once_flag hooked;
    std::call_once(hooked, [] {
        SetPostedMessageWakeup([] {
            Waker& wk = TheWaker();
            {
                std::lock_guard<std::mutex> g(wk.lock);
                wk.signalled = true;
            }
            wk.cv.notify_all();
        });
    });
    std::unique_lock<std::mutex> g(w.lock);
    w.cv.wait_for(g, std::chrono::milliseconds(timeoutMs), [&] { return w.signalled; });
    w.signalled = false;
}

int Display::MessageBox(HWND, const CString& caption, const CString& text, UINT)
{
    std::fprintf(stderr, "%s: %s\n", static_cast<const char*>(caption), static_cast<const char*>(text));
    return IDOK;
}

Display& TheDisplay()
{
    auto& slot = Slot();
    if (!slot)
        slot = CreateDisplay(false);
    return *slot;
}

void InstallDisplay(std::unique_ptr<Display> display) { Slot() = std::move(display); }

std::unique_ptr<Display> CreateDisplay(bool headless)
{
    if (headless)
        return std::make_unique<Display>();
    return std::make_unique<FltkDisplay>();
}

namespace {
// How long a loop sleeps when neither an event nor a post wakes it.
constexpr int kPumpWaitMs = 50;

std::vector<HWND>& ModalStack()
{
    static std::vector<HWND> stack;
    return stack;
}
} // namespace

int ModalDepth() { return static_cast<int>(ModalStack().size()); }
HWND ModalDialog() { return ModalStack().empty() ? nullptr : ModalStack().back(); }

void PumpUntil(bool preTranslate, const std::function<bool()>& done)
{
    Display& display = TheDisplay();
    while (!done()) {
        AfxDrainPostedMessages(preTranslate);
        if (done())
            break;
        display.WaitForEvents(kPumpWaitMs);
    }
}

void RunModalLoop(HWND dialog, const std::function<bool()>& done)
{
    ModalStack().push_back(dialog);
    PumpUntil(false, done);
    ModalStack().pop_back();
}
