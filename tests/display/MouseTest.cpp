// Mouse presses reach the pre-translation for the control under the mouse;
// what is not consumed works the controls as the old ones did.
#include "display/DisplayFixture.h"
#include "display/XInput.h"

namespace {

std::string At(const RECT& r, int dx, int dy)
{
    return "mousemove " + std::to_string(kDialogX + r.left + dx) + " " + std::to_string(kDialogY + r.top + dy);
}

std::vector<MSG> Presses(const std::vector<MSG>& offered)
{
    std::vector<MSG> out;
    for (const MSG& m : offered)
        if (m.message == WM_LBUTTONDOWN || m.message == WM_LBUTTONDBLCLK)
            out.push_back(m);
    return out;
}

} // namespace

TEST_F(DisplayTest, PressNamesTheControlUnderTheMouse)
{
    BuildSample();
    ShowDialog();
    wnd.consume = [](const MSG&) { return true; };
    struct Case {
        const char* what;
        RECT rect;
        int dx, dy;
        int id;   // 0: the dialog itself
    };
    // Frames and texts let the mouse through to what is below them.
    const Case cases[] = {{"button", kGoRect, 5, 6, kGoId},
                          {"bitmap button inside its frame", kPlayRect, 3, 4, kPlayId},
                          {"list", kListRect, 10, 10, kListId},
                          {"static text", kTextRect, 5, 5, 0},
                          {"inside a frame", kBlackFrameRect, 5, 5, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        wnd.offered.clear();
        ASSERT_TRUE(Xdo(At(c.rect, c.dx, c.dy) + " click 1"));
        ASSERT_TRUE(PumpUntil([&] { return !Presses(wnd.offered).empty(); }));
        MSG m = Presses(wnd.offered)[0];
        EXPECT_EQ(m.message, WM_LBUTTONDOWN);
        EXPECT_EQ(m.hwnd, c.id ? Item(c.id) : dialog);
        EXPECT_EQ(GetDlgCtrlID(m.hwnd), c.id);
        if (c.id) {
            EXPECT_EQ(LOWORD(m.lParam), c.dx);
            EXPECT_EQ(HIWORD(m.lParam), c.dy);
        }
        Pump(600);   // so that the next press is not a double-click
    }
    // Consumed presses: no click, no focus, no selection.
    EXPECT_TRUE(wnd.commands.empty());
    EXPECT_EQ(Item(kListId)->list->cursel, -1);
}

TEST_F(DisplayTest, DoubleClickIsAPressThenADoubleClickMessage)
{
    BuildSample();
    ShowDialog();
    wnd.consume = [](const MSG& m) { return m.hwnd && m.hwnd->id == kPlayId; };
    Xdo(At(kPlayRect, 5, 5) + " click --repeat 2 --delay 80 1");
    ASSERT_TRUE(PumpUntil([&] { return Presses(wnd.offered).size() >= 2; }));
    std::vector<MSG> p = Presses(wnd.offered);
    EXPECT_EQ(p[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(p[1].message, WM_LBUTTONDBLCLK);
    EXPECT_EQ(p[1].hwnd, Item(kPlayId));
    Pump(100);
    EXPECT_TRUE(wnd.commands.empty());   // the button never saw the presses
    EXPECT_EQ(Item(kPlayId)->buttonState, 0);
}

TEST_F(DisplayTest, ButtonClicksOnReleaseInsideAndTakesTheFocus)
{
    BuildSample();
    ShowDialog();
    SetFocus(Item(kExitId));
    Xdo(At(kGoRect, 10, 10) + " click 1");
    ASSERT_TRUE(PumpUntil([&] { return !wnd.commands.empty(); }));
    EXPECT_EQ(wnd.commands, std::vector<WPARAM>{MAKEWPARAM(kGoId, BN_CLICKED)});
    EXPECT_EQ(GetFocus(), Item(kGoId));
    // Released outside: no click.
    wnd.commands.clear();
    Pump(600);
    Xdo(At(kGoRect, 10, 10) + " mousedown 1 " + At(kGoRect, 10, 60) + " mouseup 1");
    Pump(200);
    EXPECT_TRUE(wnd.commands.empty());
}

TEST_F(DisplayTest, ListClicksSelectAndDoubleClicksActivate)
{
    BuildSample();
    ShowDialog();
    ListBoxModel& list = *Item(kListId)->list;
    Xdo(At(kListRect, 20, 5) + " click 1");
    ASSERT_TRUE(PumpUntil([&] { return !wnd.commands.empty(); }));
    EXPECT_EQ(list.cursel, 0);
    EXPECT_EQ(wnd.commands, std::vector<WPARAM>{MAKEWPARAM(kListId, LBN_SELCHANGE)});
    EXPECT_EQ(GetFocus(), Item(kListId));
    Pump(600);

    // Scrolled to the end by the model: the first visible row is the model's top.
    SendMessageA(Item(kListId), LB_SETCURSEL, kListItems - 1, 0);
    ASSERT_GT(list.top, 0);
    Pump(50);
    wnd.commands.clear();
    Xdo(At(kListRect, 20, 5) + " click --repeat 2 --delay 80 1");
    ASSERT_TRUE(PumpUntil([&] { return wnd.commands.size() >= 3; }));
    Pump(100);
    const std::vector<WPARAM> expected{MAKEWPARAM(kListId, LBN_SELCHANGE), MAKEWPARAM(kListId, LBN_SELCHANGE),
                                       MAKEWPARAM(kListId, LBN_DBLCLK)};
    EXPECT_EQ(wnd.commands, expected);
    EXPECT_EQ(list.cursel, list.top);
}

TEST_F(DisplayTest, ScrollingTheListMovesTheModelsTop)
{
    BuildSample();
    ShowDialog();
    ListBoxModel& list = *Item(kListId)->list;
    EXPECT_EQ(list.top, 0);
    Xdo(At(kListRect, 20, 20) + " click 5 click 5 click 5");
    ASSERT_TRUE(PumpUntil([&] { return list.top > 0; }));
    EXPECT_EQ(list.cursel, -1);   // scrolling selects nothing
    EXPECT_TRUE(wnd.commands.empty());
}
