// The dialog templates, row by row, against the layout the program is built
// on: ids, classes, captions, styles and rectangles, in template order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/winapi/Resources.h"
#include "platform/winapi/WinTypes.h"
#include "res/BrisolaResources.h"
#include "res/resource.h"

namespace {

// Styles the shared header has no name for.
constexpr DWORD kWsHscroll = 0x00100000;
constexpr DWORD kEsOemConvert = 0x0400;
constexpr DWORD kSsCenter = 0x0001;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPushButton = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLabel = kChild | WS_GROUP | SS_LEFT;
// Caption of a control whose text is ours to choose: any non-empty text.
const char* const kAnyText = "<any text>";

struct Row {
    int id;
    const char* className;
    const char* caption;   // nullptr: none
    DWORD style;
    int x, y, cx, cy;
};

struct Expected {
    int id;
    const char* caption;
    DWORD style;
    int x, y, cx, cy;
    std::vector<Row> rows;
};

std::string Show(const char* s) { return s ? "\"" + std::string(s) + "\"" : "(none)"; }

const std::vector<Expected>& Templates()
{
    static const std::vector<Expected> all = {
        {IDD_MAIN, "Tornevik's Brisola", 0x90CA00C0, 10, 10, 316, 175, {
            {IDOK, "button", "E&xit", 0x50010000, 212, 152, 92, 12},
            {IDC_ABOUT, "button", "&About", 0x50010000, 212, 136, 92, 12},
            {IDC_INFO, "button", "&Info", 0x50010000, 212, 120, 92, 12},
            {IDC_FILE_LIST, "listbox", nullptr, 0x50A10103, 112, 28, 92, 136},
            {IDC_SAMPLE_NAME, "edit", nullptr, 0x50810880, 212, 40, 92, 12},
            {IDC_PATH, "static", "Text", 0x50020000, 112, 16, 192, 8},
            {IDC_STATIC, "static", "Current Sample:", 0x50020000, 212, 28, 92, 8},
            {IDC_FILE_HANDLING, "button", "File Handling / &Search", 0x50010000, 12, 136, 92, 12},
            {IDC_STATIC, "static", "Resolution:", 0x50020000, 20, 76, 40, 8},
            {IDC_STATIC, "static", "Frequency:", 0x50020000, 20, 88, 40, 8},
            {IDC_STATIC, "static", "Length:", 0x50020000, 20, 100, 40, 8},
            {IDC_RESOLUTION, "static", "16 Bit", 0x50020000, 64, 76, 32, 8},
            {IDC_FREQUENCY, "static", "44100 Hz", 0x50020000, 64, 88, 32, 8},
            {IDC_LENGTH, "static", "1231231", 0x50020000, 64, 100, 32, 8},
            {IDC_STOP, "button", "Stop", 0x5001000B, 227, 80, 16, 12},
            {IDC_PLAY, "button", "Play", 0x5001000B, 249, 80, 16, 12},
            {IDC_CONTINUE, "button", "Continue", 0x5001000B, 271, 80, 16, 12},
            {IDC_SAVE_TO, "button", "Save &To", 0x50010000, 12, 120, 92, 12},
            {IDC_LOGO, "button", "Push button", 0x5001000B, 20, 12, 72, 52},
            {IDC_CREATE_DIR, "button", "&Create Directory", 0x50010000, 12, 152, 92, 12},
            {IDC_STATIC, "static", nullptr, 0x50000007, 222, 74, 71, 26},
            {IDC_STATIC, "static", nullptr, 0x50000007, 12, 68, 92, 48},
            {IDC_STATIC, "static", nullptr, 0x50000008, 4, 5, 308, 167},
        }},
        {IDD_ABOUTBOX, "About Tornevik's Brisola",
         WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
         10, 10, 151, 89, {
            {IDC_STATIC, "static", kAnyText, kLabel, 8, 8, 80, 8},
            {IDOK, "button", "OK", kPushButton, 100, 8, 40, 12},
            {IDC_STATIC, "static", "#102", kChild | SS_ICON, 16, 48, 16, 16},
            {IDC_STATIC, "static", kAnyText, kLabel, 44, 32, 100, 8},
            {IDC_STATIC, "static", kAnyText, kLabel, 44, 56, 100, 8},
            {IDC_STATIC, "static", kAnyText, kLabel, 44, 64, 100, 8},
            {IDC_STATIC, "static", kAnyText, kLabel, 44, 72, 100, 8},
            {IDC_STATIC, "static", kAnyText, kLabel, 44, 40, 100, 8},
            {IDC_STATIC, "static", kAnyText, kLabel, 44, 48, 100, 8},
        }},
        {IDD_INFO, "Information",
         WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
         10, 10, 208, 160, {
            {IDOK, "button", "OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 164, 144, 40, 12},
            {IDC_INFO_TEXT, "edit", nullptr,
             kChild | ES_MULTILINE | ES_READONLY | kEsOemConvert | WS_VSCROLL | kWsHscroll |
                 WS_BORDER | WS_TABSTOP,
             4, 4, 200, 136},
        }},
        {IDD_CREATE_DIR, "Create Directory",
         WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
         10, 10, 143, 67, {
            {IDC_STATIC, "static", "SubDirectory Name", kChild | WS_GROUP | kSsCenter, 8, 8, 128, 8},
            {IDC_SUBDIR_NAME, "edit", nullptr, kChild | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
             8, 20, 128, 12},
            {IDOK, "button", "&OK", kPushButton, 84, 44, 52, 12},
            {IDCANCEL, "button", "&Cancel", kPushButton, 8, 44, 52, 12},
        }},
    };
    return all;
}

class DialogTemplates : public ::testing::Test {
protected:
    void SetUp() override { InstallBrisolaResources(); }
};

TEST_F(DialogTemplates, HeadersAndFont)
{
    for (const Expected& e : Templates()) {
        SCOPED_TRACE("dialog " + std::to_string(e.id));
        const DialogTemplate* t = FindDialogTemplate(e.id);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->id, e.id);
        EXPECT_EQ(Show(t->caption), Show(e.caption));
        EXPECT_EQ(t->style, e.style) << std::hex << t->style;
        EXPECT_EQ(t->x, e.x);
        EXPECT_EQ(t->y, e.y);
        EXPECT_EQ(t->cx, e.cx);
        EXPECT_EQ(t->cy, e.cy);
        EXPECT_EQ(t->pointSize, 8);
        EXPECT_EQ(Show(t->fontName), Show("MS Sans Serif"));
    }
}

TEST_F(DialogTemplates, ControlsInTemplateOrder)
{
    for (const Expected& e : Templates()) {
        const DialogTemplate* t = FindDialogTemplate(e.id);
        ASSERT_NE(t, nullptr) << e.id;
        ASSERT_EQ(t->itemCount, static_cast<int>(e.rows.size())) << "dialog " << e.id;
        ASSERT_NE(t->items, nullptr);
        for (size_t i = 0; i < e.rows.size(); ++i) {
            SCOPED_TRACE("dialog " + std::to_string(e.id) + " control #" + std::to_string(i + 1));
            const Row& want = e.rows[i];
            const DialogItemTemplate& got = t->items[i];
            EXPECT_EQ(got.id, want.id);
            EXPECT_EQ(Show(got.className), Show(want.className));
            if (want.caption == kAnyText) {
                EXPECT_TRUE(got.caption && *got.caption) << Show(got.caption);
            } else {
                EXPECT_EQ(Show(got.caption), Show(want.caption));
            }
            EXPECT_EQ(got.style, want.style) << std::hex << got.style;
            EXPECT_EQ(got.x, want.x);
            EXPECT_EQ(got.y, want.y);
            EXPECT_EQ(got.cx, want.cx);
            EXPECT_EQ(got.cy, want.cy);
        }
    }
}

// The icon control names the icon resource, which must exist.
TEST_F(DialogTemplates, AboutIconNamesTheProgramIcon)
{
    const DialogTemplate* t = FindDialogTemplate(IDD_ABOUTBOX);
    ASSERT_NE(t, nullptr);
    int icons = 0;
    for (int i = 0; i < t->itemCount; ++i) {
        if ((t->items[i].style & SS_TYPEMASK) != SS_ICON)
            continue;
        ++icons;
        ASSERT_NE(t->items[i].caption, nullptr);
        EXPECT_EQ(std::string(t->items[i].caption), "#" + std::to_string(IDR_MAINFRAME));
    }
    EXPECT_EQ(icons, 1);
    EXPECT_NE(FindBitmapResource(IDR_MAINFRAME), nullptr);
}

// Within one dialog, every id the code addresses names one control only.
TEST_F(DialogTemplates, AddressedIdsAreUnique)
{
    for (const Expected& e : Templates()) {
        const DialogTemplate* t = FindDialogTemplate(e.id);
        ASSERT_NE(t, nullptr);
        for (int i = 0; i < t->itemCount; ++i)
            for (int j = i + 1; j < t->itemCount; ++j)
                if (t->items[i].id != IDC_STATIC) {
                    EXPECT_NE(t->items[i].id, t->items[j].id) << "dialog " << e.id;
                }
    }
}

TEST_F(DialogTemplates, UnknownIdIsAbsent)
{
    EXPECT_EQ(FindDialogTemplate(0), nullptr);
    EXPECT_EQ(FindDialogTemplate(IDD_MAIN + 1000), nullptr);
}

}  // namespace
