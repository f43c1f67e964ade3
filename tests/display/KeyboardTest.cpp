// Real key presses on the window reach the pre-translation as the old
// system's key messages, before any control sees them.
#include "display/DisplayFixture.h"
#include "display/XInput.h"

TEST_F(DisplayTest, KeysArriveAsVirtualKeyMessages)
{
    BuildSample();
    ShowDialog();
    SetFocus(Item(kListId));
    wnd.consume = [](const MSG&) { return true; };   // nothing reaches the list
    struct Case {
        const char* key;   // xdotool's name
        UINT message;
        UINT vk;
        bool shift;
    };
    const Case cases[] = {
        {"a", WM_KEYDOWN, 'A', false},       {"shift+a", WM_KEYDOWN, 'A', true},
        {"x", WM_KEYDOWN, 'X', false},       {"ctrl+x", WM_KEYDOWN, 'X', false},
        {"alt+x", WM_SYSKEYDOWN, 'X', false}, {"5", WM_KEYDOWN, '5', false},
        {"space", WM_KEYDOWN, VK_SPACE, false}, {"Up", WM_KEYDOWN, VK_UP, false},
        {"Down", WM_KEYDOWN, VK_DOWN, false}, {"Left", WM_KEYDOWN, VK_LEFT, false},
        {"Right", WM_KEYDOWN, VK_RIGHT, false}, {"Home", WM_KEYDOWN, VK_HOME, false},
        {"End", WM_KEYDOWN, VK_END, false},   {"Prior", WM_KEYDOWN, VK_PRIOR, false},
        {"Next", WM_KEYDOWN, VK_NEXT, false}, {"Tab", WM_KEYDOWN, VK_TAB, false},
        {"shift+Tab", WM_KEYDOWN, VK_TAB, true}, {"Return", WM_KEYDOWN, VK_RETURN, false},
        {"Escape", WM_KEYDOWN, VK_ESCAPE, false}, {"F5", WM_KEYDOWN, 0x74, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        wnd.offered.clear();
        ASSERT_TRUE(Xdo(std::string("key ") + c.key));
        ASSERT_TRUE(PumpUntil([&] { return KeyMessages().size() >= 2; }));
        std::vector<MSG> keys = KeyMessages();
        EXPECT_EQ(keys[0].message, c.message);
        EXPECT_EQ(keys[0].wParam, c.vk);
        EXPECT_EQ((keys[0].lParam & 1) != 0, c.shift);
        EXPECT_EQ(keys[0].hwnd, Item(kListId));   // the focused control
        // xdotool may let Alt go before the letter: then it is a plain key-up.
        if (c.message == WM_KEYDOWN)
            EXPECT_EQ(keys[1].message, WM_KEYUP);
        else
            EXPECT_TRUE(keys[1].message == WM_SYSKEYUP || keys[1].message == WM_KEYUP);
        EXPECT_EQ(keys[1].wParam, c.vk);
    }
    EXPECT_EQ(Item(kListId)->list->cursel, -1);
    EXPECT_TRUE(wnd.commands.empty());
}

TEST_F(DisplayTest, ConsumedKeysNeverReachTheList)
{
    BuildSample();
    ShowDialog();
    SetFocus(Item(kListId));
    ListBoxModel& list = *Item(kListId)->list;
    wnd.consume = [](const MSG& m) { return m.message == WM_KEYDOWN && (m.wParam == VK_DOWN || m.wParam == 'B'); };
    // Consumed: neither the arrow nor the letter moves the selection.
    Xdo("key Down b");
    Pump(150);
    EXPECT_EQ(list.cursel, -1);
    EXPECT_TRUE(wnd.commands.empty());
    // Not consumed: the list handles its own keys and reports at once.
    struct Case {
        const char* key;
        const char* selected;
    };
    const Case cases[] = {{"End", "oscar2"}, {"Home", "alpha"}, {"Right", "alpha2"}, {"j", "juliet"},
                          {"j", "juliet2"},   {"Up", "juliet"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        wnd.commands.clear();
        ASSERT_TRUE(Xdo(std::string("key ") + c.key));
        ASSERT_TRUE(PumpUntil([&] { return !wnd.commands.empty(); }));
        ASSERT_GE(list.cursel, 0);
        EXPECT_EQ(list.items[list.cursel].text, c.selected);
        EXPECT_EQ(wnd.commands[0], MAKEWPARAM(kListId, LBN_SELCHANGE));
        EXPECT_GE(list.cursel, list.top);   // scrolled into view
        EXPECT_LT(list.cursel, list.top + list.visibleRows);
    }
}

TEST_F(DisplayTest, DialogKeysDoNothingUnlessHandled)
{
    BuildSample();
    ShowDialog();
    SetFocus(Item(kGoId));
    // Tab, arrows, Enter, Esc, Space-less Alt+letter: FLTK's own meanings
    // (focus moves, Esc closing, "&" shortcuts) must not run.
    Xdo("key Tab shift+Tab Down Right Return Escape alt+g alt+x");
    Pump(200);
    EXPECT_EQ(GetFocus(), Item(kGoId));
    EXPECT_TRUE(wnd.commands.empty());
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_NE(FindWindowByTitle("Display Test"), 0UL);
    // Space is the focused button's own key: it clicks on release.
    Xdo("key space");
    ASSERT_TRUE(PumpUntil([&] { return !wnd.commands.empty(); }));
    EXPECT_EQ(wnd.commands[0], MAKEWPARAM(kGoId, BN_CLICKED));
}

TEST_F(DisplayTest, HeldKeyRepeatsDownsAndReleasesOnce)
{
    BuildSample();
    ShowDialog();
    wnd.consume = [](const MSG&) { return true; };
    EXPECT_TRUE(display->DetectableAutoRepeat());
    Xdo("keydown Down");
    Pump(1200);
    Xdo("keyup Down");
    ASSERT_TRUE(PumpUntil([&] {
        std::vector<MSG> k = KeyMessages();
        return !k.empty() && k.back().message == WM_KEYUP;
    }));
    Pump(100);
    int downs = 0, ups = 0, repeats = 0;
    for (const MSG& m : KeyMessages()) {
        EXPECT_EQ(m.wParam, VK_DOWN);
        if (m.message == WM_KEYDOWN) {
            ++downs;
            if (m.lParam & (LPARAM(1) << 30))
                ++repeats;
        }
        if (m.message == WM_KEYUP)
            ++ups;
    }
    EXPECT_GE(downs, 5);
    EXPECT_EQ(repeats, downs - 1);   // only the first press is new
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(KeyMessages().back().message, WM_KEYUP);
    std::printf("held Down for 1.2 s: %d key-downs, %d key-up\n", downs, ups);
}

TEST_F(DisplayTest, CloseBoxSendsCancelAndEscapeDoesNot)
{
    BuildSample();
    ShowDialog();
    Xdo("key Escape");
    Pump(100);
    EXPECT_TRUE(wnd.commands.empty());
    SendCloseRequest(xwindow);
    ASSERT_TRUE(PumpUntil([&] { return !wnd.commands.empty(); }));
    EXPECT_EQ(wnd.commands[0], MAKEWPARAM(IDCANCEL, BN_CLICKED));
}
