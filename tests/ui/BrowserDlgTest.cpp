// The main dialog on the window models with no screen: the same handlers,
// messages and key filter as on a display, driven by synthesized messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/BrowserApp.h"
#include "platform/fltk/Display.h"
#include "platform/framework/DataExchange.h"
#include "platform/winapi/DialogUnits.h"
#include "platform/winapi/DriveMap.h"
#include "platform/winapi/PostedQueue.h"
#include "platform/winapi/Resources.h"
#include "res/BrisolaResources.h"
#include "res/resource.h"
#include "sample/WaveSample.h"
#include "support/RecordingMci.h"
#include "support/TempTree.h"
#include "ui/BrowserDlg.h"

namespace {

const std::string kPlayFromStart = "play sample from 0 notify";
const std::string kPlay = "play sample notify";
const std::string kStop = "stop sample";
const std::string kClose = "close sample";

int g_saves = 0;
int g_deleted = 0;

// Counts the exchanges that read the controls back, and its own deletion.
class CountingDlg : public CBrowserDlg {
public:
    CountingDlg() : CBrowserDlg(nullptr) {}
    ~CountingDlg() override { ++g_deleted; }
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (pDX->m_bSaveAndValidate)
            ++g_saves;
        CBrowserDlg::DoDataExchange(pDX);
    }
};

class BrowserDlgTest : public ::testing::Test {
public:
    void SetUp() override
    {
        InstallDisplay(CreateDisplay(true));
        InstallBrisolaResources();
        SetScreenDpi(96);
        ResetPostedQueue();
        tree.MakeDir("sub/inner");
        tree.MakeDir("my.dir");
        tree.MakeDir("...");
        tree.WriteFile("a.wav", CanonicalWav(44100, 16, 2, 1000));
        tree.WriteFile("b.wav", CanonicalWav(96000, 24, 2, 60));
        tree.WriteFile("sub/s.wav", CanonicalWav(8000, 8, 1, 10));
        other.WriteFile("d.wav", CanonicalWav(22050, 16, 1, 10));
        DriveMap::Install({{'c', tree.Root()}, {'d', other.Root()}});
        g_saves = 0;
        g_deleted = 0;
        dlg = new CountingDlg();
        theApp.m_pMainWnd = dlg;
    }
    void TearDown() override
    {
        if (dlg && IsWindow(dlg->m_hWnd))
            dlg->DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        ResetPostedQueue();
        DriveMap::Install(DriveMap::SystemTable());
    }

    HWND Item(int id) const { return GetDlgItem(dlg->m_hWnd, id); }
    std::string Text(int id) const { return Item(id)->text; }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> v;
        for (const auto& it : Item(IDC_FILE_LIST)->list->items)
            v.push_back(it.text);
        return v;
    }
    int IndexOf(const std::string& shown) const
    {
        auto e = Entries();
        for (size_t i = 0; i < e.size(); ++i)
            if (e[i] == shown)
                return static_cast<int>(i);
        ADD_FAILURE() << shown << " not listed";
        return -1;
    }
    // Stop, Play, Continue as "SPC" with a capital for a pushed button.
    std::string Looks() const
    {
        std::string s;
        s += Item(IDC_STOP)->buttonState ? 'S' : 's';
        s += Item(IDC_PLAY)->buttonState ? 'P' : 'p';
        s += Item(IDC_CONTINUE)->buttonState ? 'C' : 'c';
        return s;
    }
    BOOL Send(UINT message, HWND hwnd, WPARAM wParam)
    {
        MSG m{hwnd, message, wParam, 0, 0, {0, 0}};
        BOOL consumed = AfxPreTranslateMessage(&m);
        if (!consumed && message == WM_KEYDOWN && IsWindow(hwnd) && hwnd->list)
            ListBoxKey(hwnd, static_cast<UINT>(wParam));   // what the focused list does with it
        return consumed;
    }
    BOOL Key(UINT vk) { return Send(WM_KEYDOWN, Item(IDC_FILE_LIST), vk); }
    BOOL KeyUp(UINT vk) { return Send(WM_KEYUP, Item(IDC_FILE_LIST), vk); }
    void Press(UINT vk)
    {
        Key(vk);
        KeyUp(vk);
    }
    BOOL Mouse(int id, bool dbl = false) { return Send(dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, Item(id), 0); }
    void Click(const std::string& shown) { ListBoxClick(Item(IDC_FILE_LIST), IndexOf(shown), false); }
    void DoubleClick(const std::string& shown) { ListBoxClick(Item(IDC_FILE_LIST), IndexOf(shown), true); }
    void Notify()
    {
        PostMessageA(dlg->m_hWnd, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 1);
        AfxDrainPostedMessages(true);
    }

    TempTree tree, other;
    RecordingMci mci;
    RecordingMessageBoxes boxes;
    CountingDlg* dlg = nullptr;
};

} // namespace

TEST_F(BrowserDlgTest, StartsAtTheRootWithEmptyValuesAndTheExitButtonFocused)
{
    EXPECT_EQ(dlg->m_hWnd->text, "Tornevik's Brisola");
    EXPECT_EQ(Text(IDC_PATH), "c:\\*.wav");
    for (int id : {IDC_SAMPLE_NAME, IDC_RESOLUTION, IDC_FREQUENCY, IDC_LENGTH})
        EXPECT_EQ(Text(id), "") << id;
    EXPECT_EQ(Entries(), (std::vector<std::string>{"[-c-]", "[-d-]", "[...]", "[my.dir]", "[sub]", "a.wav", "b.wav"}));
    EXPECT_EQ(SendMessageA(Item(IDC_FILE_LIST), LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(GetFocus(), Item(IDOK));
    EXPECT_EQ(Looks(), "spc");
    EXPECT_TRUE(mci.sent.empty());
    EXPECT_EQ(dlg->m_hWnd->children.size(), 23u);
}

TEST_F(BrowserDlgTest, EveryControlStandsAtItsTemplateRectangle)
{
    const DialogTemplate* t = FindDialogTemplate(IDD_MAIN);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(static_cast<int>(dlg->m_hWnd->children.size()), t->itemCount);
    EXPECT_EQ(dlg->m_hWnd->rect.right - dlg->m_hWnd->rect.left, 474);   // 316 dialog units
    EXPECT_EQ(dlg->m_hWnd->rect.bottom - dlg->m_hWnd->rect.top, 284);   // 175 dialog units
    for (int i = 0; i < t->itemCount; ++i) {
        const DialogItemTemplate& it = t->items[i];
        HWND c = dlg->m_hWnd->children[static_cast<size_t>(i)];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " id " + std::to_string(it.id));
        EXPECT_EQ(c->id, it.id);
        EXPECT_EQ(c->className, it.className);
        EXPECT_EQ(c->style, it.style);
        EXPECT_EQ(c->rect.left, DialogXToPixels(it.x));
        EXPECT_EQ(c->rect.top, DialogYToPixels(it.y));
        const bool bitmap = (it.style & BS_TYPEMASK) == BS_OWNERDRAW && c->className == "button";
        if (!bitmap) {   // bitmap buttons take their image's size
            EXPECT_EQ(c->rect.right - c->rect.left, DialogXToPixels(it.cx));
            EXPECT_EQ(c->rect.bottom - c->rect.top, DialogYToPixels(it.cy));
        }
        const bool exchanged = it.id == IDC_PATH || it.id == IDC_SAMPLE_NAME || it.id == IDC_RESOLUTION ||
                               it.id == IDC_FREQUENCY || it.id == IDC_LENGTH;
        if (!exchanged) {
            EXPECT_EQ(c->text, it.caption ? it.caption : "");
        }
    }
}

TEST_F(BrowserDlgTest, TheBaseUnitChoosesTheBitmapSet)
{
    struct Case {
        double dpi;
        int transportW, transportH, logoW, logoH;
    } cases[] = {{96, 31, 23, 126, 81}, {120, 40, 30, 157, 95}, {72, 40, 30, 157, 95}};
    for (const Case& c : cases) {
        SetScreenDpi(c.dpi);
        auto* d = new CBrowserDlg(nullptr);
        for (int id : {IDC_STOP, IDC_PLAY, IDC_CONTINUE}) {
            RECT r = GetDlgItem(d->m_hWnd, id)->rect;
            EXPECT_EQ(r.right - r.left, c.transportW) << c.dpi;
            EXPECT_EQ(r.bottom - r.top, c.transportH) << c.dpi;
        }
        RECT logo = GetDlgItem(d->m_hWnd, IDC_LOGO)->rect;
        EXPECT_EQ(logo.right - logo.left, c.logoW) << c.dpi;
        EXPECT_EQ(logo.bottom - logo.top, c.logoH) << c.dpi;
        d->DestroyWindow();
    }
    SetScreenDpi(96);
}

TEST_F(BrowserDlgTest, SelectingAFileShowsItsValues)
{
    Click("b.wav");
    EXPECT_EQ(Text(IDC_SAMPLE_NAME), "b.wav");
    EXPECT_EQ(Text(IDC_FREQUENCY), "30464 Hz");
    EXPECT_EQ(Text(IDC_RESOLUTION), "24 Bit");
    EXPECT_EQ(Text(IDC_LENGTH), "104");
    ASSERT_NE(dlg->m_pSample, nullptr);
    EXPECT_EQ(dlg->m_pSample->m_strPath, "c:\\b.wav");
    EXPECT_TRUE(mci.sent.empty());   // probing never opens the device

    Click("[sub]");   // a directory drops the sample but leaves its values on show
    EXPECT_EQ(dlg->m_pSample, nullptr);
    EXPECT_EQ(Text(IDC_SAMPLE_NAME), "b.wav");
    EXPECT_EQ(mci.Commands(), (std::vector<std::string>{"open waveaudio!c:\\b.wav alias sample", kClose}));
}

TEST_F(BrowserDlgTest, ActivationWalksTheTree)
{
    struct Step {
        const char* activate;
        const char* spec;
        const char* firstFile;   // nullptr: none listed
    } steps[] = {
        {"[sub]", "c:\\sub\\*.wav", "s.wav"},
        {"[inner]", "c:\\sub\\inner\\*.wav", nullptr},
        {"[..]", "c:\\sub\\*.wav", "s.wav"},
        {"[..]", "c:\\*.wav", "a.wav"},
        {"[my.dir]", "c:\\my.dir\\*.wav", nullptr},
        {"[-d-]", "d:\\*.wav", "d.wav"},
        {"[-c-]", "c:\\*.wav", "a.wav"},
        {"[...]", "c:\\...\\*.wav", nullptr},
    };
    Click("a.wav");
    for (const Step& s : steps) {
        DoubleClick(s.activate);
        EXPECT_EQ(Text(IDC_PATH), s.spec) << s.activate;
        EXPECT_EQ(dlg->m_strSearchSpec, s.spec);
        EXPECT_EQ(SendMessageA(Item(IDC_FILE_LIST), LB_GETCURSEL, 0, 0), LB_ERR);
        for (int id : {IDC_SAMPLE_NAME, IDC_RESOLUTION, IDC_FREQUENCY, IDC_LENGTH})
            EXPECT_EQ(Text(id), "");
        auto e = Entries();
        bool hasFile = false;
        for (auto& t : e)
            hasFile |= t[0] != '[';
        EXPECT_EQ(hasFile, s.firstFile != nullptr) << s.activate;
        if (s.firstFile) {
            EXPECT_NE(std::find(e.begin(), e.end(), s.firstFile), e.end());
        }
        bool atRoot = std::string(s.spec).size() == 8;
        EXPECT_EQ(std::find(e.begin(), e.end(), "[..]") != e.end(), !atRoot) << s.spec;
    }
}

TEST_F(BrowserDlgTest, TransportButtonsShowThePlaybackState)
{
    struct Step {
        const char* what;
        std::function<void(BrowserDlgTest&)> act;
        const char* looks;
        std::vector<std::string> sent;
    } steps[] = {
        {"play without sample", [](BrowserDlgTest& t) { t.Mouse(IDC_PLAY); }, "Spc", {}},
        {"continue without sample", [](BrowserDlgTest& t) { t.Mouse(IDC_CONTINUE); }, "Spc", {}},
        {"select keeps stop pushed", [](BrowserDlgTest& t) { t.Click("a.wav"); }, "Spc", {}},
        {"continue on a fresh sample plays it", [](BrowserDlgTest& t) { t.Mouse(IDC_CONTINUE); }, "sPc",
         {"open waveaudio!c:\\a.wav alias sample", kPlay}},
        {"continue pauses", [](BrowserDlgTest& t) { t.Mouse(IDC_CONTINUE); }, "sPC", {kStop}},
        {"continue resumes", [](BrowserDlgTest& t) { t.Mouse(IDC_CONTINUE); }, "sPc", {kPlay}},
        {"pause again", [](BrowserDlgTest& t) { t.Mouse(IDC_CONTINUE); }, "sPC", {kStop}},
        {"notice after a pause changes nothing", [](BrowserDlgTest& t) { t.Notify(); }, "sPC", {}},
        {"play while paused starts over", [](BrowserDlgTest& t) { t.Mouse(IDC_PLAY); }, "sPc", {kPlayFromStart}},
        {"double-click on play plays twice", [](BrowserDlgTest& t) { t.Mouse(IDC_PLAY); t.Mouse(IDC_PLAY, true); },
         "sPc", {kPlayFromStart, kPlayFromStart}},
        {"the end-of-playback notice stops", [](BrowserDlgTest& t) { t.Notify(); }, "spc", {kStop}},
        {"a second notice is ignored", [](BrowserDlgTest& t) { t.Notify(); }, "spc", {}},
        {"space plays the selected file", [](BrowserDlgTest& t) { t.Press(VK_SPACE); }, "sPc", {kPlayFromStart}},
        {"space again stops it", [](BrowserDlgTest& t) { t.Key(VK_SPACE); }, "spc", {kStop}},
        {"stop button", [](BrowserDlgTest& t) { t.Mouse(IDC_PLAY); NotifyParent(t.Item(IDC_STOP), BN_CLICKED); },
         "spc", {kPlayFromStart, kStop}},
        {"double-click on continue resumes and pauses",
         [](BrowserDlgTest& t) { t.Mouse(IDC_CONTINUE); t.Mouse(IDC_CONTINUE, true); }, "sPC", {kPlay, kStop}},
        {"selecting another file releases play and continue", [](BrowserDlgTest& t) { t.Click("b.wav"); }, "spc",
         {kClose}},
    };
    for (const Step& s : steps) {
        mci.sent.clear();
        s.act(*this);
        EXPECT_EQ(Looks(), s.looks) << s.what;
        EXPECT_EQ(mci.Commands(), s.sent) << s.what;
    }
}

TEST_F(BrowserDlgTest, ArrowKeysMoveOnKeyDownAndSelectOnKeyUp)
{
    HWND list = Item(IDC_FILE_LIST);
    const int last = static_cast<int>(Entries().size()) - 1;
    struct Step {
        int from;
        UINT vk;
        int to;
    } steps[] = {{-1, VK_DOWN, 0}, {-1, VK_UP, 0}, {0, VK_UP, 0}, {1, VK_UP, 0}, {3, VK_UP, 2},
                 {3, VK_DOWN, 4}, {last, VK_DOWN, last}};
    for (const Step& s : steps) {
        list->list->cursel = s.from;
        EXPECT_TRUE(Key(s.vk));
        EXPECT_EQ(list->list->cursel, s.to) << s.from << " vk " << s.vk;
    }
    // Holding Down probes nothing until the key comes up.
    list->list->cursel = IndexOf("a.wav") - 1;
    Key(VK_DOWN);
    EXPECT_EQ(dlg->m_pSample, nullptr);
    Key(VK_DOWN);
    EXPECT_EQ(dlg->m_pSample, nullptr);
    EXPECT_TRUE(KeyUp(VK_DOWN));
    ASSERT_NE(dlg->m_pSample, nullptr);
    EXPECT_EQ(Text(IDC_SAMPLE_NAME), "b.wav");

    // Down on the last item still runs the selection: the playing sample is made anew.
    Mouse(IDC_PLAY);
    CWaveSample* before = dlg->m_pSample;
    mci.sent.clear();
    Press(VK_DOWN);
    EXPECT_EQ(list->list->cursel, last);
    EXPECT_EQ(mci.Commands(), (std::vector<std::string>{kStop, kClose}));
    EXPECT_EQ(Looks(), "spc");
    EXPECT_FALSE(dlg->m_pSample->m_bPlaying);
    (void)before;
}

TEST_F(BrowserDlgTest, OnlyTheFilterKeysAreConsumed)
{
    struct Case {
        UINT message;
        UINT vk;
        bool consumed;
    } cases[] = {
        {WM_KEYDOWN, 'S', true},     {WM_KEYDOWN, 'T', true},     {WM_KEYDOWN, 'C', true},
        {WM_KEYDOWN, 'I', true},     {WM_KEYDOWN, 'A', true},     {WM_KEYDOWN, VK_TAB, false},
        {WM_KEYDOWN, VK_RETURN, false}, {WM_KEYDOWN, VK_ESCAPE, false}, {WM_KEYDOWN, 'B', false},
        {WM_KEYDOWN, VK_HOME, false}, {WM_KEYUP, 'S', false},      {WM_KEYUP, VK_SPACE, false},
        {WM_SYSKEYDOWN, 'X', false}, {WM_SYSKEYDOWN, 'A', false},
    };
    for (const Case& c : cases) {
        HWND focus = GetFocus();
        EXPECT_EQ(Send(c.message, Item(IDOK), c.vk), c.consumed) << c.message << " " << c.vk;
        EXPECT_EQ(GetFocus(), focus);   // Tab moves nothing
        EXPECT_TRUE(IsWindow(dlg->m_hWnd));   // Esc, Enter, Alt+X close nothing
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(Mouse(IDC_STOP));   // Stop works by its own click
    EXPECT_FALSE(Mouse(IDC_LOGO));
}

TEST_F(BrowserDlgTest, SpaceAfterAMoveDoesNothing)
{
    DoubleClick("[sub]");
    mci.sent.clear();
    Press(VK_SPACE);
    EXPECT_EQ(Text(IDC_PATH), "c:\\sub\\*.wav");
    EXPECT_TRUE(mci.sent.empty());
}

TEST_F(BrowserDlgTest, ExitWithASamplePlayingStopsAndClosesItThenQuitsWithZero)
{
    Click("a.wav");
    Mouse(IDC_PLAY);
    mci.sent.clear();
    EXPECT_TRUE(Key('X'));
    EXPECT_EQ(mci.Commands(), (std::vector<std::string>{kStop, kClose}));
    EXPECT_EQ(g_deleted, 1);
    EXPECT_EQ(g_saves, 1);   // the exit command reads the controls back
    int code = -1;
    EXPECT_TRUE(QuitRequested(&code));
    EXPECT_EQ(code, 0);
    dlg = nullptr;
}

TEST_F(BrowserDlgTest, CloseBoxSkipsTheDataExchangeAndSendsNothingWithoutASample)
{
    SendMessageA(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(g_deleted, 1);
    EXPECT_EQ(g_saves, 0);
    EXPECT_TRUE(mci.sent.empty());
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    dlg = nullptr;
}

TEST_F(BrowserDlgTest, ExitWithASampleNeverPlayedOpensAndClosesIt)
{
    Click("a.wav");
    mci.sent.clear();
    NotifyParent(Item(IDOK), BN_CLICKED);
    EXPECT_EQ(mci.Commands(), (std::vector<std::string>{"open waveaudio!c:\\a.wav alias sample", kClose}));
    dlg = nullptr;
}
