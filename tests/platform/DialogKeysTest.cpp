#include <gtest/gtest.h>

#include <vector>

#include "platform/winapi/DialogKeys.h"
#include "platform/winapi/Window.h"

TEST(DialogKeys, MarkedLettersAndShownTexts)
{
    struct Case {
        const char* caption;
        const char* shown;
        int underline;
        char letter;
    } cases[] = {
        {"E&xit", "Exit", 1, 'x'},
        {"Save &To", "Save To", 5, 't'},
        {"&&Ampersand", "&Ampersand", -1, 0},
        {"Rock && &Roll", "Rock & Roll", 7, 'r'},
        {"Trailing&", "Trailing&", -1, 0},
        {"None", "None", -1, 0},
    };
    for (const Case& c : cases) {
        MnemonicText t = ParseMnemonic(c.caption);
        EXPECT_EQ(t.shown, c.shown) << c.caption;
        EXPECT_EQ(t.underline, c.underline) << c.caption;
        EXPECT_EQ(MnemonicOf(c.caption), c.letter) << c.caption;
    }
}

namespace {

// Records the commands a dialog receives.
class Commands : public MessageTarget {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM) override
    {
        if (message == WM_COMMAND)
            ids.push_back(LOWORD(wParam));
        return 0;
    }
    std::vector<int> ids;
};

} // namespace

TEST(DialogKeys, TabEnterEscAndAltLetterActOnTheDialog)
{
    HWND dialog = CreateWindowModel("dialog", "", 0, 0, nullptr, RECT{});
    Commands commands;
    dialog->target = &commands;
    HWND label = CreateWindowModel("static", "&Name", WS_VISIBLE, -1, dialog, RECT{});
    HWND edit = CreateWindowModel("edit", "", WS_VISIBLE | WS_TABSTOP, 10, dialog, RECT{});
    HWND ok = CreateWindowModel("button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, dialog, RECT{});
    HWND hidden = CreateWindowModel("button", "&Hidden", WS_TABSTOP, 12, dialog, RECT{});
    HWND cancel = CreateWindowModel("button", "&Cancel", WS_VISIBLE | WS_TABSTOP, IDCANCEL, dialog, RECT{});
    (void)label;
    (void)hidden;

    EXPECT_EQ(FirstTabStop(dialog), edit);
    SetFocus(edit);
    struct Step {
        UINT message;
        UINT vk;
        LPARAM shift;
        HWND focusAfter;
        std::vector<int> commands;
    } steps[] = {
        {WM_KEYDOWN, VK_TAB, 0, ok, {}},
        {WM_KEYDOWN, VK_TAB, 0, cancel, {}},        // the hidden button is skipped
        {WM_KEYDOWN, VK_TAB, 0, edit, {}},          // and round again
        {WM_KEYDOWN, VK_TAB, 1, cancel, {}},        // Shift+Tab goes back
        {WM_KEYDOWN, VK_RETURN, 0, cancel, {IDCANCEL}},   // a focused push button is pressed
        {WM_KEYDOWN, VK_ESCAPE, 0, cancel, {IDCANCEL}},
        {WM_SYSKEYDOWN, 'C', 0, cancel, {IDCANCEL}},
        {WM_SYSKEYDOWN, 'H', 0, cancel, {}},        // not visible: not pressed
    };
    for (const Step& s : steps) {
        commands.ids.clear();
        MSG m{edit, s.message, s.vk, s.shift, 0, {0, 0}};
        IsDialogMessageA(dialog, &m);
        EXPECT_EQ(GetFocus(), s.focusAfter) << s.message << " " << s.vk;
        EXPECT_EQ(commands.ids, s.commands) << s.message << " " << s.vk;
    }
    SetFocus(edit);
    commands.ids.clear();
    MSG enter{edit, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    IsDialogMessageA(dialog, &enter);
    EXPECT_EQ(commands.ids, (std::vector<int>{IDOK}));   // elsewhere: the default button
    dialog->target = nullptr;
    DestroyWindow(dialog);
}
