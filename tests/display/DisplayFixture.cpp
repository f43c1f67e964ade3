#include "display/DisplayFixture.h"

#include <chrono>

#include "display/XInput.h"
#include "platform/framework/CWinApp.h"
#include "platform/winapi/PostedQueue.h"

BOOL RecordingWnd::PreTranslateMessage(MSG* msg)
{
    offered.push_back(*msg);
    return consume && consume(*msg) ? TRUE : FALSE;
}

LRESULT RecordingWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    received.push_back(message);
    if (message == WM_COMMAND)
        commands.push_back(wParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

void DisplayTest::SetUp()
{
    InstallDisplay(std::make_unique<FltkDisplay>());
    display = dynamic_cast<FltkDisplay*>(&TheDisplay());
    ASSERT_NE(display, nullptr);
    ASSERT_TRUE(display->Open()) << display->LastError();
}

void DisplayTest::TearDown()
{
    if (dialog && IsWindow(dialog)) {
        wnd.Detach();
        DestroyWindow(dialog);
    }
    dialog = nullptr;
    Pump(20);
    ResetPostedQueue();
}

HWND DisplayTest::MakeDialog(const std::string& caption, int x, int y, int w, int h)
{
    dialog = CreateWindowModel("dialog", caption, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, nullptr,
                               RECT{x, y, x + w, y + h});
    wnd.Attach(dialog);
    return dialog;
}

HWND DisplayTest::AddControl(const std::string& className, const std::string& text, DWORD style, int id, int x, int y,
                             int w, int h)
{
    return CreateWindowModel(className, text, style | WS_CHILD | WS_VISIBLE, id, dialog, RECT{x, y, x + w, y + h});
}

namespace {
Bitmap Solid(int w, int h, uint8_t r, uint8_t g, uint8_t b)
{
    Bitmap bm;
    bm.width = w;
    bm.height = h;
    bm.bitsPerPixel = 4;
    for (int i = 0; i < w * h; ++i) {
        bm.rgb.push_back(r);
        bm.rgb.push_back(g);
        bm.rgb.push_back(b);
    }
    return bm;
}

HWND Add(HWND dialog, const char* cls, const char* text, DWORD style, int id, const RECT& r)
{
    return CreateWindowModel(cls, text, style | WS_CHILD | WS_VISIBLE, id, dialog, r);
}
} // namespace

void DisplayTest::BuildSample()
{
    MakeDialog("Display Test", kDialogX, kDialogY, kDialogW, kDialogH);
    // Template order is z-order: the frame around Play comes after it.
    Add(dialog, "button", "E&xit", BS_PUSHBUTTON | WS_TABSTOP, kExitId, kExitRect);
    Add(dialog, "button", "&Go", BS_PUSHBUTTON | WS_TABSTOP, kGoId, kGoRect);
    HWND play = Add(dialog, "button", "", BS_OWNERDRAW | WS_TABSTOP, kPlayId, kPlayRect);
    playUp = Solid(31, 23, 255, 0, 0);
    playDown = Solid(31, 23, 0, 0, 255);
    play->imageUp = &playUp;
    play->imageDown = &playDown;
    HWND list = Add(dialog, "listbox", "", LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, kListId,
                    kListRect);
    static const char* kWords[] = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel",
                                   "india", "juliet", "kilo", "lima", "mike", "november", "oscar"};
    for (int i = 0; i < kListItems; ++i) {
        std::string t = std::string(kWords[i % 15]) + (i < 15 ? "" : "2");
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str()));
    }
    Add(dialog, "edit", "c:\\*.wav", ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, kEditId, kEditRect);
    Add(dialog, "static", "Some text", SS_LEFT, kTextId, kTextRect);
    Add(dialog, "static", "", SS_BLACKFRAME, IDC_STATIC, kPlayFrameRect);
    Add(dialog, "static", "", SS_BLACKFRAME, IDC_STATIC, kBlackFrameRect);
    Add(dialog, "static", "", SS_GRAYFRAME, IDC_STATIC, kGrayFrameRect);
}

void DisplayTest::ShowDialog()
{
    display->CreateViews(dialog);
    ASSERT_NE(dialog->view, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return (xwindow = FindWindowByTitle(dialog->text)) != 0; }, 3000));
    // Mapped windows are given the focus; make sure before typing into it.
    Xdo("windowfocus --sync " + std::to_string(xwindow));
    Pump(50);
    wnd.offered.clear();
}

void DisplayTest::Pump(int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        AfxDrainPostedMessages(true);
        display->WaitForEvents(5);
    }
}

bool DisplayTest::PumpUntil(const std::function<bool()>& done, int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        AfxDrainPostedMessages(true);
        display->WaitForEvents(5);
    }
    return true;
}

std::vector<MSG> DisplayTest::KeyMessages() const
{
    std::vector<MSG> keys;
    for (const MSG& m : wnd.offered) {
        bool key = m.message == WM_KEYDOWN || m.message == WM_KEYUP || m.message == WM_SYSKEYDOWN ||
                   m.message == WM_SYSKEYUP;
        bool modifier = m.wParam == VK_SHIFT || m.wParam == VK_CONTROL || m.wParam == VK_MENU;
        if (key && !modifier)
            keys.push_back(m);
    }
    return keys;
}
