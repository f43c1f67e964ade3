// Windows as plain models. Every window and control keeps its state here
// (text, pushed state, list items and selection) and the messages of the old
// system (WM_SETTEXT, BM_SETSTATE, LB_*) work on that state, with no display.
// A view (platform/fltk) draws a model and turns input into the control's
// notifications; a target (a CWnd of the framework) receives its messages.
// All of this is UI-thread only, except PostMessageA.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/winapi/WinTypes.h"

struct Bitmap;

// Receives the messages sent to a window; the framework's CWnd implements it.
class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// Draws a window. Every hook has a harmless default.
class WindowView {
public:
    virtual ~WindowView() = default;
    // The model changed; redraw soon.
    virtual void Changed() {}
    // The model asks for the keyboard focus.
    virtual void TakeFocus() {}
    // ShowWindow was called with this command.
    virtual void Show(int /*cmd*/) {}
    // EnableWindow changed the enabled state.
    virtual void Enable(bool /*enabled*/) {}
    // The model's position or size changed.
    virtual void Moved() {}
    // The model is about to be freed; the view must forget it.
    virtual void Detach() {}
};

struct ListBoxItem {
    enum Kind : unsigned char { kString, kDrive, kParent, kDirectory, kFile };
    std::string text;       // as shown: "[-c-]", "[..]", "[name]", "name"
    Kind kind = kString;

    // As DlgDirSelectExA gives it back: "c:", "..\", "name\", "name".
    std::string Decoded() const;
};

struct ListBoxModel {
    std::vector<ListBoxItem> items;   // in shown order; sorted with LBS_SORT
    int cursel = -1;
    int top = 0;                      // first visible item
    int visibleRows = 1;              // set by the view
    void EnsureVisible(int index);
};

struct HWND__ {
    std::string className;            // "dialog", "button", "listbox", "edit", "static"
    std::string text;
    DWORD style = 0;
    int id = 0;
    RECT rect{0, 0, 0, 0};            // pixels, in the parent's client area
    HWND parent = nullptr;
    HWND owner = nullptr;             // top-level windows: the window that owns it
    std::vector<HWND> children;       // in template order (z-order, tab order)
    bool enabled = true;
    bool visible = false;
    int buttonState = 0;              // BM_SETSTATE: 1 pushed
    const Bitmap* imageUp = nullptr;  // owner-drawn bitmap buttons
    const Bitmap* imageDown = nullptr;
    std::unique_ptr<ListBoxModel> list;
    MessageTarget* target = nullptr;
    WindowView* view = nullptr;
};

// Creates a window model; it is visible when style has WS_VISIBLE.
HWND CreateWindowModel(const std::string& className, const std::string& text, DWORD style, int id, HWND parent,
                       const RECT& rect);
// Destroys the window: WM_DESTROY to it, its children (last first), then
// WM_NCDESTROY, then the model is freed. A target may delete itself on
// WM_NCDESTROY.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The built-in behaviour of the window's class, below any target.
LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
HWND GetParent(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int cmd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// The view reports which control has the focus.
void NoteFocus(HWND hwnd);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);

// Decodes the selected entry of the list box idList into buffer (count
// bytes at most, NUL included). Leaves the buffer as it is when nothing is
// selected. TRUE when the entry is a drive or a directory.
BOOL DlgDirSelectExA(HWND dialog, LPSTR buffer, int count, int idList);

// Input on a list box as its view sees it; each reports LBN_SELCHANGE (and
// LBN_DBLCLK) to the parent as the old list box did.
void ListBoxClick(HWND list, int index, bool doubleClick);
// Home, End, Prior, Next, Up, Down, Left, Right; TRUE when handled.
BOOL ListBoxKey(HWND list, UINT vk);
// First-letter search from the item after the selection, wrapping.
BOOL ListBoxChar(HWND list, char ch);

// Sends WM_COMMAND with the control's id and code to its parent.
void NotifyParent(HWND control, UINT code);
