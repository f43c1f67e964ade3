// The display tests' common ground: an opened FLTK display, dialog models
// built by hand, a window object that records (and may consume) what the
// pre-translation sees, and event pumping.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/fltk/FltkDisplay.h"
#include "platform/framework/CWnd.h"
#include "platform/winapi/Bitmap.h"

// Stands in for a dialog object: records every message offered to its
// pre-translation and every WM_COMMAND it receives.
class RecordingWnd : public CWnd {
public:
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Consumes the messages this returns true for.
    std::function<bool(const MSG&)> consume;
    std::vector<MSG> offered;
    std::vector<WPARAM> commands;   // wParam of each WM_COMMAND
    std::vector<UINT> received;     // every message sent to it
};

// The sample dialog's controls.
constexpr int kDialogX = 100, kDialogY = 100, kDialogW = 300, kDialogH = 200;
constexpr int kExitId = 1, kGoId = 10, kPlayId = 20, kListId = 30, kEditId = 40, kTextId = 50;
constexpr RECT kExitRect{200, 160, 290, 180}, kGoRect{200, 130, 290, 150}, kPlayRect{20, 20, 51, 43},
    kListRect{100, 20, 190, 140}, kEditRect{200, 20, 290, 38}, kTextRect{200, 50, 290, 62},
    kBlackFrameRect{10, 150, 90, 190}, kGrayFrameRect{2, 2, 298, 198}, kPlayFrameRect{15, 15, 56, 48};
constexpr int kListItems = 30;

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible dialog at screen x, y with a client area of w x h pixels.
    HWND MakeDialog(const std::string& caption, int x, int y, int w, int h);
    HWND AddControl(const std::string& className, const std::string& text, DWORD style, int id, int x, int y, int w,
                    int h);
    // The sample dialog most tests use (ids below), not yet shown.
    void BuildSample();
    // Builds the views, shows the window and waits until it has the focus.
    void ShowDialog();

    // Handles events and posted messages for ms milliseconds.
    void Pump(int ms);
    // Handles them until done() or ms have passed; returns done().
    bool PumpUntil(const std::function<bool()>& done, int ms = 2000);
    // Key messages offered so far, modifier keys left out.
    std::vector<MSG> KeyMessages() const;

    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    FltkDisplay* display = nullptr;
    Bitmap playUp, playDown;
    HWND dialog = nullptr;
    RecordingWnd wnd;
    unsigned long xwindow = 0;
};
