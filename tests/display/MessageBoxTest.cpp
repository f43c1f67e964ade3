// The message box is a real modal window: caption, text, OK; its owner is
// disabled meanwhile and posted messages are still handled.
#include <algorithm>

#include <FL/Fl.H>

#include "display/DisplayFixture.h"
#include "display/XInput.h"
#include "platform/winapi/PostedQueue.h"

namespace {

constexpr UINT kTestNotice = WM_USER + 7;

struct BoxWatch {
    HWND owner = nullptr;
    unsigned long box = 0;
    bool ownerDisabled = false;
    const char* key = "Return";
};

void CloseBox(void* data)
{
    auto* w = static_cast<BoxWatch*>(data);
    Xdo("windowfocus --sync " + std::to_string(w->box));
    Xdo(std::string("key ") + w->key);
}

// Runs inside the box's loop: looks at it, posts a notice, then has it
// closed with a real key.
void WatchBox(void* data)
{
    auto* w = static_cast<BoxWatch*>(data);
    w->box = FindWindowByTitle("Box Caption");
    if (!w->box) {
        Fl::repeat_timeout(0.05, WatchBox, data);
        return;
    }
    w->ownerDisabled = !w->owner->enabled;
    PostMessageA(w->owner, kTestNotice, 1, 2);
    Fl::add_timeout(0.1, CloseBox, data);
}

} // namespace

TEST_F(DisplayTest, MessageBoxShowsClosesOnKeysAndHandlesPostedMessages)
{
    BuildSample();
    ShowDialog();
    for (const char* key : {"Return", "Escape", "space"}) {
        SCOPED_TRACE(key);
        BoxWatch watch;
        watch.owner = dialog;
        watch.key = key;
        wnd.received.clear();
        wnd.offered.clear();
        Fl::add_timeout(0.05, WatchBox, &watch);
        int result = display->MessageBox(dialog, "Box Caption", "First line\n\rSecond line", MB_OK | MB_ICONEXCLAMATION);
        Fl::remove_timeout(WatchBox, &watch);
        Fl::remove_timeout(CloseBox, &watch);
        EXPECT_EQ(result, IDOK);
        EXPECT_NE(watch.box, 0UL);
        EXPECT_TRUE(watch.ownerDisabled);
        EXPECT_TRUE(dialog->enabled);
        // The notice was sent to the window inside the box's loop, without
        // the main loop's pre-translation.
        EXPECT_NE(std::find(wnd.received.begin(), wnd.received.end(), kTestNotice), wnd.received.end());
        for (const MSG& m : wnd.offered)
            EXPECT_NE(m.message, kTestNotice);
        EXPECT_TRUE(PumpUntil([] { return FindWindowByTitle("Box Caption") == 0; }));
    }
    EXPECT_TRUE(wnd.commands.empty());   // the keys never reached the owner
}
