#include "platform/fltk/FltkEventHook.h"

#include <chrono>
#include <cstdlib>

#include <FL/Fl.H>
#include <FL/Enumerations.H>
#include <FL/x.H>

namespace {

constexpr UINT kVkInsert = 0x2D;
constexpr UINT kVkNumpad0 = 0x60;
constexpr UINT kVkF1 = 0x70;
constexpr WPARAM kMkLButton = 0x0001;
constexpr WPARAM kMkShift = 0x0004;
constexpr WPARAM kMkControl = 0x0008;
constexpr LPARAM kPreviousKeyDownBit = LPARAM(1) << 30;
constexpr unsigned long kDoubleClickMs = 500;
constexpr int kDoubleClickPixels = 4;

LPARAM MakePoint(int x, int y) { return static_cast<LPARAM>((x & 0xFFFF) | ((y & 0xFFFF) << 16)); }

DWORD NowMs()
{
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool Contains(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

} // namespace

UINT FltkEventHook::VirtualKey(int k)
{
    if (k >= 'a' && k <= 'z')
        return static_cast<UINT>(k - 'a' + 'A');
    if (k >= 'A' && k <= 'Z')
        return static_cast<UINT>(k);
    if (k >= '0' && k <= '9')
        return static_cast<UINT>(k);
    if (k > FL_F && k <= FL_F + 24)
        return kVkF1 + static_cast<UINT>(k - FL_F - 1);
    if (k >= FL_KP + '0' && k <= FL_KP + '9')
        return kVkNumpad0 + static_cast<UINT>(k - FL_KP - '0');
    switch (k) {
    case ' ': return VK_SPACE;
    case FL_BackSpace: return VK_BACK;
    case FL_Tab: return VK_TAB;
    case FL_Enter:
    case FL_KP_Enter: return VK_RETURN;
    case FL_Escape: return VK_ESCAPE;
    case FL_Page_Up: return VK_PRIOR;
    case FL_Page_Down: return VK_NEXT;
    case FL_End: return VK_END;
    case FL_Home: return VK_HOME;
    case FL_Left: return VK_LEFT;
    case FL_Up: return VK_UP;
    case FL_Right: return VK_RIGHT;
    case FL_Down: return VK_DOWN;
    case FL_Insert: return kVkInsert;
    case FL_Delete: return VK_DELETE;
    case FL_Shift_L:
    case FL_Shift_R: return VK_SHIFT;
    case FL_Control_L:
    case FL_Control_R: return VK_CONTROL;
    case FL_Alt_L:
    case FL_Alt_R: return VK_MENU;
    case FL_Caps_Lock: return VK_CAPITAL;
    case FL_KP + '*': return 0x6A;
    case FL_KP + '+': return 0x6B;
    case FL_KP + '-': return 0x6D;
    case FL_KP + '.': return 0x6E;
    case FL_KP + '/': return 0x6F;
    case ';': return 0xBA;
    case '=': return 0xBB;
    case ',': return 0xBC;
    case '-': return 0xBD;
    case '.': return 0xBE;
    case '/': return 0xBF;
    case '`': return 0xC0;
    case '[': return 0xDB;
    case '\\': return 0xDC;
    case ']': return 0xDD;
    case '\'': return 0xDE;
    default: return 0;
    }
}

HWND FltkEventHook::ControlAt(HWND dialog, int x, int y)
{
    // Template order is z-order, first on top.
    for (HWND c : dialog->children) {
        if (!c->visible || !c->enabled || c->className == "static" || c->className == "dialog")
            continue;
        if (Contains(c->rect, x, y))
            return c;
    }
    return dialog;
}

bool FltkEventHook::IsDoubleClick(HWND target, int x, int y)
{
    unsigned long now = fl_xevent && fl_xevent->type == ButtonPress ? fl_xevent->xbutton.time : NowMs();
    bool dbl = !lastWasDouble_ && target == lastPressTarget_ && now - lastPressTime_ < kDoubleClickMs &&
               std::abs(x - lastPressX_) <= kDoubleClickPixels / 2 && std::abs(y - lastPressY_) <= kDoubleClickPixels / 2;
    lastPressTarget_ = target;
    lastPressTime_ = now;
    lastPressX_ = x;
    lastPressY_ = y;
    lastWasDouble_ = dbl;
    return dbl;
}

bool FltkEventHook::Translate(int event, HWND dialog, MSG* msg)
{
    *msg = MSG{dialog, 0, 0, 0, NowMs(), {Fl::event_x_root(), Fl::event_y_root()}};
    const int state = Fl::event_state();
    switch (event) {
    case FL_KEYDOWN:
    case FL_KEYUP: {
        const int key = Fl::event_key();
        const UINT vk = VirtualKey(key);
        if (vk == 0)
            return false;
        const bool down = event == FL_KEYDOWN;
        const bool sys = (state & FL_ALT) || vk == VK_MENU;
        msg->message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
        msg->wParam = vk;
        // Bit 0 tells Shift (Shift+Tab); bit 30 that the key was down already
        // (an auto-repeat), as the old system's key data did.
        LPARAM lParam = (state & FL_SHIFT) ? 1 : 0;
        if (down) {
            if (!keysDown_.insert(key).second)
                lParam |= kPreviousKeyDownBit;
        } else {
            keysDown_.erase(key);
            lParam |= kPreviousKeyDownBit;
        }
        msg->lParam = lParam;
        HWND focus = GetFocus();
        msg->hwnd = focus && focus->parent == dialog ? focus : dialog;
        return true;
    }
    case FL_PUSH:
    case FL_RELEASE: {
        if (Fl::event_button() != FL_LEFT_MOUSE)
            return false;
        const int x = Fl::event_x(), y = Fl::event_y();
        HWND target = ControlAt(dialog, x, y);
        if (event == FL_PUSH) {
            const bool dbl = IsDoubleClick(target, Fl::event_x_root(), Fl::event_y_root());
            Fl::event_clicks(dbl ? 1 : 0);
            msg->message = dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
        } else
            msg->message = WM_LBUTTONUP;
        msg->hwnd = target;
        WPARAM keys = event == FL_PUSH ? kMkLButton : 0;
        if (state & FL_SHIFT)
            keys |= kMkShift;
        if (state & FL_CTRL)
            keys |= kMkControl;
        msg->wParam = keys;
        int cx = x, cy = y;
        if (target != dialog) {
            cx -= target->rect.left;
            cy -= target->rect.top;
        }
        msg->lParam = MakePoint(cx, cy);
        return true;
    }
    default:
        return false;
    }
}
