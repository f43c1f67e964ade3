// Holding Down over a folder of 10,000 WAV files: two seconds of keyboard
// auto-repeat (25 repeats a second, then one key-up) through the main
// dialog's key filter. Counts the files opened (inotify, from outside the
// program's code) and times a key-up until the info texts are set.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/BrowserApp.h"
#include "platform/fltk/Display.h"
#include "platform/winapi/DriveMap.h"
#include "platform/winapi/PostedQueue.h"
#include "res/BrisolaResources.h"
#include "support/FileOpenWatch.h"
#include "res/resource.h"
#include "ui/BrowserDlg.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kRepeatsPerSecond = 25;
constexpr int kHoldSeconds = 2;
constexpr int kTimedKeyUps = 500;

void Send(HWND hwnd, UINT message, UINT vk)
{
    MSG m{hwnd, message, vk, 0, 0, {0, 0}};
    AfxPreTranslateMessage(&m);
}

} // namespace

int main()
{
    // Measure with an audio device present; without one every deletion of
    // a sample reports its failed open instead.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char pattern[] = "/tmp/brisola-keys-XXXXXX";
    if (!mkdtemp(pattern))
        return 1;
    const std::string root = pattern;
    // A real header, so that each probe reads real fields.
    const unsigned char header[44] = {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                      16, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0,
                                      2, 0, 16, 0, 'd', 'a', 't', 'a', 0, 0, 0, 0};
    for (int i = 0; i < kFiles; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/s%05d.wav", i);
        int fd = open((root + name).c_str(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0) {
            if (write(fd, header, sizeof header) < 0)
                std::perror("write");
            close(fd);
        }
    }

    InstallDisplay(CreateDisplay(true));
    InstallBrisolaResources();
    DriveMap::Install({{'c', root}});
    auto* dlg = new CBrowserDlg(nullptr);
    theApp.m_pMainWnd = dlg;
    HWND list = dlg->m_lbFiles.m_hWnd;

    FileOpenWatch watch(root);
    const int repeats = kRepeatsPerSecond * kHoldSeconds;
    for (int i = 0; i < repeats; ++i)
        Send(list, WM_KEYDOWN, VK_DOWN);
    int opensWhileHeld = watch.TakeFileOpens();
    Send(list, WM_KEYUP, VK_DOWN);
    int opensAfterRelease = watch.TakeFileOpens();
    std::printf("held Down for %d key-downs over %d files: selection at %d (%s)\n", repeats, kFiles,
                dlg->m_lbFiles.GetCurSel(), static_cast<const char*>(dlg->m_strSampleName));
    std::printf("  files opened while held: %d, at the key-up: %d (goal: 0 and 1)\n", opensWhileHeld,
                opensAfterRelease);

    std::vector<double> us;
    for (int i = 0; i < kTimedKeyUps; ++i) {
        dlg->m_lbFiles.SetCurSel(100 + i);
        auto t0 = std::chrono::steady_clock::now();
        Send(list, WM_KEYUP, VK_DOWN);
        us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(us.begin(), us.end());
    std::printf("  key-up to info texts set (probe + formatting + data exchange): median %.1f us, 99th %.1f us "
                "(goal: under 5 ms)\n",
                us[us.size() / 2], us[us.size() * 99 / 100]);

    dlg->DestroyWindow();
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return 0;
}
