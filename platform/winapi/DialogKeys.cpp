#include "platform/winapi/DialogKeys.h"

#include <cctype>
#include <vector>

#include "platform/winapi/Window.h"

namespace {

bool IsButton(HWND h) { return h->className == "button"; }

std::vector<HWND> TabStops(HWND dialog)
{
    std::vector<HWND> v;
    for (HWND c : dialog->children)
        if ((c->style & WS_TABSTOP) && c->visible && c->enabled)
            v.push_back(c);
    return v;
}

void Click(HWND button)
{
    NotifyParent(button, BN_CLICKED);
}

HWND DefaultButton(HWND dialog)
{
    for (HWND c : dialog->children)
        if (IsButton(c) && (c->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return c;
    return GetDlgItem(dialog, IDOK);
}

} // namespace

MnemonicText ParseMnemonic(const std::string& caption)
{
    MnemonicText t;
    t.shown.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && t.underline < 0)
                t.underline = static_cast<int>(t.shown.size());
        }
        t.shown += caption[i];
    }
    return t;
}

char MnemonicOf(const char* caption)
{
    MnemonicText t = ParseMnemonic(caption ? caption : "");
    if (t.underline < 0)
        return 0;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(t.shown[static_cast<size_t>(t.underline)])));
}

HWND FirstTabStop(HWND dialog)
{
    std::vector<HWND> stops = TabStops(dialog);
    return stops.empty() ? nullptr : stops.front();
}

BOOL IsDialogMessageA(HWND dialog, MSG* msg)
{
    if (!IsWindow(dialog) || !msg)
        return FALSE;
    const UINT vk = static_cast<UINT>(msg->wParam);
    if (msg->message == WM_KEYDOWN && vk == VK_TAB) {
        std::vector<HWND> stops = TabStops(dialog);
        if (stops.empty())
            return TRUE;
        HWND focus = GetFocus();
        size_t at = stops.size();
        for (size_t i = 0; i < stops.size(); ++i)
            if (stops[i] == focus)
                at = i;
        bool back = (msg->lParam & 1) != 0;   // the display layer marks Shift in bit 0
        size_t next = at == stops.size() ? 0 : (back ? (at + stops.size() - 1) : (at + 1)) % stops.size();
        SetFocus(stops[next]);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && vk == VK_RETURN) {
        HWND focus = GetFocus();
        HWND target = (focus && IsButton(focus) && (focus->style & BS_TYPEMASK) != BS_OWNERDRAW) ? focus : DefaultButton(dialog);
        if (target && target->enabled)
            Click(target);
        else
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && vk == VK_ESCAPE) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }
    if (msg->message == WM_SYSKEYDOWN && vk >= 'A' && vk <= 'Z') {
        char letter = static_cast<char>(std::tolower(static_cast<int>(vk)));
        for (HWND c : dialog->children) {
            if (IsButton(c) && c->enabled && c->visible && MnemonicOf(c->text.c_str()) == letter) {
                Click(c);
                return TRUE;
            }
        }
    }
    return FALSE;
}
