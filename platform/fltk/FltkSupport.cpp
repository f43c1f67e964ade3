#include "platform/fltk/FltkSupport.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/XKBlib.h>

#include <cstdlib>

#include "platform/fltk/FltkDialogWindow.h"
#include "platform/winapi/Bitmap.h"
#include "platform/winapi/DialogUnits.h"

void UseDialogFont() { fl_font(FL_HELVETICA, DialogFontPixels()); }

int TextWidth(const std::string& text)
{
    return static_cast<int>(fl_width(text.data(), static_cast<int>(text.size())) + 0.5);
}

void DrawMnemonicLine(const MnemonicText& text, int x, int y)
{
    fl_draw(text.shown.data(), static_cast<int>(text.shown.size()), x, y);
    if (text.underline < 0 || text.underline >= static_cast<int>(text.shown.size()))
        return;
    int x0 = x + static_cast<int>(fl_width(text.shown.data(), text.underline) + 0.5);
    int w = static_cast<int>(fl_width(text.shown.data() + text.underline, 1) + 0.5);
    fl_xyline(x0, y + 1, x0 + w - 1);
}

void DrawBitmap(const Bitmap& bitmap, int x, int y)
{
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.rgb.size() < static_cast<size_t>(bitmap.width) * bitmap.height * 3)
        return;
    fl_draw_image(bitmap.rgb.data(), x, y, bitmap.width, bitmap.height, 3);
}

Fl_Color FaceColor() { return fl_rgb_color(192, 192, 192); }

void DrawButtonFace(int x, int y, int w, int h, bool pushed, bool isDefault)
{
    const Fl_Color white = FL_WHITE, light = fl_rgb_color(223, 223, 223), dark = fl_rgb_color(128, 128, 128),
                   black = FL_BLACK;
    fl_color(FaceColor());
    fl_rectf(x, y, w, h);
    if (isDefault) {
        fl_color(black);
        fl_rect(x, y, w, h);
        ++x, ++y, w -= 2, h -= 2;
    }
    if (w < 2 || h < 2)
        return;
    if (pushed) {
        fl_color(black);
        fl_rect(x, y, w, h);
        fl_color(dark);
        fl_xyline(x + 1, y + 1, x + w - 2);
        fl_yxline(x + 1, y + 1, y + h - 2);
        return;
    }
    fl_color(white);
    fl_xyline(x, y, x + w - 2);
    fl_yxline(x, y, y + h - 2);
    fl_color(black);
    fl_xyline(x, y + h - 1, x + w - 1);
    fl_yxline(x + w - 1, y, y + h - 1);
    fl_color(light);
    fl_xyline(x + 1, y + 1, x + w - 3);
    fl_yxline(x + 1, y + 1, y + h - 3);
    fl_color(dark);
    fl_xyline(x + 1, y + h - 2, x + w - 2);
    fl_yxline(x + w - 2, y + 1, y + h - 2);
}

void DrawFocusRect(int x, int y, int w, int h)
{
    if (w <= 0 || h <= 0)
        return;
    fl_color(FL_BLACK);
    fl_line_style(FL_DOT);
    fl_rect(x, y, w, h);
    fl_line_style(0);
}

bool ActivateWindow(Fl_Window* window)
{
    if (!window || !window->shown() || window->parent())
        return false;
    Window xid = fl_xid(window);
    XWindowAttributes attrs;
    if (!xid || !XGetWindowAttributes(fl_display, xid, &attrs) || attrs.map_state != IsViewable)
        return false;
    XSetInputFocus(fl_display, xid, RevertToParent, CurrentTime);
    return true;
}

namespace {
// A failed request is a bug to report, not a reason to end the program
// (Xlib's default handler exits).
int OnXError(::Display* display, XErrorEvent* e)
{
    char text[128] = "";
    XGetErrorText(display, e->error_code, text, sizeof text);
    Fl::warning("X error: %s (request %d.%d, resource 0x%lx)", text, e->request_code, e->minor_code, e->resourceid);
    return 0;
}
bool g_detectableRepeat = false;
} // namespace

bool OpenXDisplay(std::string* error, bool* detectableRepeat)
{
    // FLTK has one connection per process: a second display object reuses it.
    if (fl_display) {
        *detectableRepeat = g_detectableRepeat;
        return true;
    }
    *detectableRepeat = false;
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) {
        *error = "DISPLAY is not set";
        return false;
    }
    // Try first: fl_open_display() would end the process on failure.
    ::Display* x = XOpenDisplay(nullptr);
    if (!x) {
        *error = std::string("cannot connect to the X server at ") + name;
        return false;
    }
    fl_open_display(x);
    XSetErrorHandler(OnXError);
    Bool supported = False;
    XkbSetDetectableAutoRepeat(fl_display, True, &supported);
    g_detectableRepeat = *detectableRepeat = supported == True;
    return true;
}

namespace {
int OnSystemEvent(void* event, void*)
{
    const XEvent* e = static_cast<const XEvent*>(event);
    if (e->type == MapNotify) {
        Fl_Window* w = fl_find(e->xmap.window);
        if (auto* dialog = dynamic_cast<FltkDialogWindow*>(w))
            if (dialog->model() && dialog->model()->enabled)
                ActivateWindow(dialog);
    }
    return 0;   // FLTK handles the event as usual
}
} // namespace

void ActivateDialogsWhenMapped()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        Fl::add_system_handler(OnSystemEvent, nullptr);
    }
}

// The largest Helvetica whose average letter is no wider than the dialog
// font's, measured as the old system measured it: over A-Z and a-z.
void FitDialogFont()
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const double widest = DialogFontAverageWidth();
    int best = 6;
    for (int size = 6; size <= 4 * DialogFontPixels(); ++size) {
        fl_font(FL_HELVETICA, size);
        if (fl_width(kLetters) / 52.0 > widest)
            break;
        best = size;
    }
    SetDialogFontPixels(best);
}
