#include "platform/fltk/FltkDisplay.h"

#include <FL/Fl.H>
#include <FL/Fl_RGB_Image.H>

#include "platform/fltk/FltkDialogWindow.h"
#include "platform/fltk/FltkEventHook.h"
#include "platform/fltk/FltkMessageBox.h"
#include "platform/framework/CWinApp.h"
#include "platform/winapi/Bitmap.h"
#include "platform/winapi/DialogKeys.h"
#include "platform/winapi/DialogUnits.h"
#include "platform/winapi/PostedQueue.h"
#include "platform/winapi/Resources.h"

// FltkSupport.h includes no X11 headers into this file: X11's Display type
// would clash with ours.
bool OpenXDisplay(std::string* error, bool* detectableRepeat);
void ActivateDialogsWhenMapped();
void FitDialogFont();


struct FltkDisplay::State {
    std::string error;
    bool open = false;
    bool detectableRepeat = false;
    std::unique_ptr<Bitmap> icon;
    std::unique_ptr<Fl_RGB_Image> iconImage;
    FltkEventHook hook;

    int Dispatch(int event, Fl_Window* window);
};

namespace {
// FLTK's dispatch hook is a plain function: it reaches the one open display
// through this.
FltkDisplay::State* g_open = nullptr;

int DispatchTrampoline(int event, Fl_Window* window)
{
    if (!g_open)
        return Fl::handle_(event, window);
    return g_open->Dispatch(event, window);
}

bool IsInput(int event)
{
    switch (event) {
    case FL_PUSH:
    case FL_RELEASE:
    case FL_DRAG:
    case FL_KEYDOWN:
    case FL_KEYUP:
    case FL_MOUSEWHEEL:
        return true;
    default:
        return false;
    }
}
} // namespace

int FltkDisplay::State::Dispatch(int event, Fl_Window* window)
{
    auto* dw = dynamic_cast<FltkDialogWindow*>(window);
    if (!dw || !dw->model())
        return Fl::handle_(event, window);
    HWND dialog = dw->model();
    // FLTK's shortcuts ("&" letters, Escape closing the window) have no
    // place in a dialog.
    if (event == FL_SHORTCUT)
        return 1;
    // A disabled window (the owner of a modal box) takes no input.
    if (IsInput(event) && !dialog->enabled)
        return 1;
    MSG msg;
    if (!hook.Translate(event, dialog, &msg))
        return Fl::handle_(event, window);
    if (ModalDepth() == 0) {
        if (AfxPreTranslateMessage(&msg))
            return 1;
    } else if (ModalDialog() == dialog) {
        if (IsDialogMessageA(dialog, &msg))
            return 1;
    }
    if (!dw->model())
        return 1;   // the window went while the message was handled
    if (msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP) {
        // Alt combinations are system keys: no character reaches the
        // control. Alt+F4 closes, as the system's default did.
        if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4 && !(msg.lParam & (LPARAM(1) << 30)))
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 1;
    }
    return Fl::handle_(event, window);
}

FltkDisplay::FltkDisplay() : m(std::make_unique<State>()) {}

FltkDisplay::~FltkDisplay()
{
    // The windows stay: this may run at exit, after FLTK is gone.
    if (g_open == m.get()) {
        g_open = nullptr;
        Fl::event_dispatch(nullptr);
        SetPostedMessageWakeup(nullptr);
    }
}

bool FltkDisplay::Open()
{
    if (m->open)
        return true;
    if (!OpenXDisplay(&m->error, &m->detectableRepeat))
        return false;
    m->open = true;
    g_open = m.get();
    // Lets Fl::awake() from other threads (the audio side posting) wake Fl::wait.
    Fl::lock();
    float hdpi = 0, vdpi = 0;
    Fl::screen_dpi(hdpi, vdpi, 0);
    if (hdpi > 0)
        SetScreenDpi(hdpi);
    FitDialogFont();
    Fl::event_dispatch(DispatchTrampoline);
    ActivateDialogsWhenMapped();
    SetPostedMessageWakeup([] { Fl::awake(); });
    m->icon = LoadBitmapResource(MainIconId());
    if (m->icon)
        m->iconImage = std::make_unique<Fl_RGB_Image>(m->icon->rgb.data(), m->icon->width, m->icon->height, 3);
    return true;
}

std::string FltkDisplay::LastError() const { return m->error; }

bool FltkDisplay::DetectableAutoRepeat() const { return m->detectableRepeat; }

void FltkDisplay::CreateViews(HWND dialog)
{
    if (!m->open || !IsWindow(dialog) || dialog->view)
        return;
    // An owned dialog is placed relative to its owner's client area.
    int x = dialog->rect.left, y = dialog->rect.top;
    if (dialog->parent && IsWindow(dialog->parent)) {
        if (auto* owner = dynamic_cast<FltkDialogWindow*>(dialog->parent->view)) {
            x += owner->x();
            y += owner->y();
        }
    }
    auto* window = new FltkDialogWindow(dialog, x, y, m->iconImage.get());
    if (dialog->visible)
        window->show();
}

void FltkDisplay::WaitForEvents(int timeoutMs)
{
    if (!m->open) {
        Display::WaitForEvents(timeoutMs);
        return;
    }
    Fl::wait(timeoutMs / 1000.0);
}

int FltkDisplay::MessageBox(HWND owner, const CString& caption, const CString& text, UINT type)
{
    if (!m->open)
        return Display::MessageBox(owner, caption, text, type);
    return FltkMessageBox::Run(owner, static_cast<const char*>(caption), static_cast<const char*>(text),
                               [](const std::function<bool()>& done) { RunModalLoop(nullptr, done); });
}
