// The real program on a real X server (the Xvfb that CTest starts), driven
// with real input events through xdotool (XTest), its state read from the
// snapshot the test host writes, its device commands from the host's log.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "support/FileOpenWatch.h"
#include "support/TempTree.h"

#ifndef E2E_REFERENCE_DIR
#error "E2E_REFERENCE_DIR must name the folder of the reference screenshots"
#endif
#ifndef E2E_HOST
#error "E2E_HOST must name the test host executable"
#endif

namespace {

using Clock = std::chrono::steady_clock;

std::string Shell(const std::string& cmd)
{
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return out;
    char buf[512];
    while (fgets(buf, sizeof buf, p))
        out += buf;
    pclose(p);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

class E2eTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs the X server CTest starts";
        tree.MakeDir("sub/inner");
        tree.MakeDir("my.dir");
        tree.WriteFile("a.wav", CanonicalWav(44100, 16, 1, 8820));   // 0.1 s
        tree.WriteFile("sub/s.wav", CanonicalWav(8000, 16, 1, 3200)); // 0.2 s
        other.WriteFile("d.wav", CanonicalWav(22050, 16, 1, 100));
        state = tree.Path("state.txt");
        log = tree.Path("mci.log");
        sound = tree.Path("out.raw");
    }

    void TearDown() override
    {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    void Start(const std::string& driveC)
    {
        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            setenv("BRISOLA_E2E_C", driveC.c_str(), 1);
            setenv("BRISOLA_E2E_D", other.Root().c_str(), 1);
            setenv("BRISOLA_E2E_MCI_LOG", log.c_str(), 1);
            setenv("BRISOLA_E2E_STATE", state.c_str(), 1);
            setenv("SDL_AUDIODRIVER", "disk", 1);
            setenv("SDL_DISKAUDIOFILE", sound.c_str(), 1);
            execl(E2E_HOST, E2E_HOST, static_cast<char*>(nullptr));
            _exit(127);
        }
        window = Shell("timeout 10 xdotool search --sync --name \"^Tornevik's Brisola$\" | head -1");
        ASSERT_FALSE(window.empty()) << "the window did not appear";
        Shell("xdotool windowfocus --sync " + window + " 2>/dev/null");
        ASSERT_TRUE(WaitFor([&] { return !State().empty(); })) << "no snapshot";
    }

    std::map<std::string, std::string> State() const
    {
        std::map<std::string, std::string> m;
        std::ifstream in(state);
        std::string line;
        while (std::getline(in, line)) {
            auto eq = line.find('=');
            if (eq != std::string::npos)
                m[line.substr(0, eq)] = line.substr(eq + 1);
        }
        return m;
    }

    std::string Get(const std::string& key) const
    {
        auto m = State();
        return m.count(key) ? m[key] : "<none>";
    }

    bool WaitFor(const std::function<bool()>& ok, int ms = 5000) const
    {
        auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < end) {
            if (ok())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        return ok();
    }

    bool WaitState(const std::string& key, const std::string& want, int ms = 5000) const
    {
        return WaitFor([&] { return Get(key) == want; }, ms);
    }

    void Key(const std::string& keys) { Shell("xdotool key --delay 60 " + keys); }

    void ClickAt(int x, int y, int clicks = 1)
    {
        Shell("xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
            " click --repeat " + std::to_string(clicks) + " --delay 80 1");
    }

    std::string Log() const
    {
        std::ifstream in(log);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    int WaitExit(int ms = 5000)
    {
        auto end = Clock::now() + std::chrono::milliseconds(ms);
        int status = 0;
        while (Clock::now() < end) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        return -1;
    }

    TempTree tree, other;
    std::string state, log, sound, window;
    pid_t pid = -1;
};

// Centre of a transport button: template position in dialog units through
// the 6 x 13 base units at 96 dpi, plus half the 31 x 23 small bitmap.
int TransportX(int dluX) { return (dluX * 6 + 2) / 4 + 15; }
int TransportY() { return (80 * 13 + 4) / 8 + 11; }

} // namespace

TEST_F(E2eTest, OpensAtTheRootWithTheTemplateSizeAndExitsWithX)
{
    Start(tree.Root());
    EXPECT_EQ(Get("path"), "c:\\*.wav");
    EXPECT_EQ(Get("cursel"), "-1");
    EXPECT_EQ(Get("looks"), "spc");
    std::string geometry = Shell("xdotool getwindowgeometry " + window + " | grep Geometry");
    EXPECT_NE(geometry.find("474x284"), std::string::npos) << geometry;
    Key("alt+x");   // Alt combinations are not commands
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(WaitExit(100), -1);
    Key("Tab Return Escape");   // no dialog keys in the main window
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(WaitExit(100), -1);
    Key("shift+x");
    EXPECT_EQ(WaitExit(), 0);
    EXPECT_EQ(Log(), "");   // nothing was selected: nothing sent
}

TEST_F(E2eTest, WalksTheTreeAndPlaysASampleWithKeysAndMouse)
{
    Start(tree.Root());
    // [-c-] [-d-] [my.dir] [sub] a.wav
    Key("Down Down Down Down");
    ASSERT_TRUE(WaitState("selected", "[sub]"));
    Key("space");
    ASSERT_TRUE(WaitState("path", "c:\\sub\\*.wav"));
    EXPECT_EQ(Get("cursel"), "-1");
    // [-c-] [-d-] [..] [inner] s.wav
    Key("Down Down Down Down Down");
    ASSERT_TRUE(WaitState("name", "s.wav"));
    EXPECT_EQ(Get("frequency"), "8000 Hz");
    EXPECT_EQ(Get("resolution"), "16 Bit");
    EXPECT_EQ(Get("length"), "3244");

    ClickAt(TransportX(249), TransportY());   // Play
    EXPECT_TRUE(WaitState("looks", "sPc", 2000));
    // The notice at the end of the 0.2 s sample releases the buttons.
    EXPECT_TRUE(WaitState("looks", "spc", 5000));
    std::string log = Log();
    EXPECT_NE(log.find("open waveaudio!c:\\sub\\s.wav alias sample -> 0"), std::string::npos) << log;
    EXPECT_NE(log.find("play sample from 0 notify -> 0"), std::string::npos) << log;
    EXPECT_NE(log.find("stop sample -> 0"), std::string::npos) << log;

    // Up to the parent and over to d:.
    Key("Up Up");   // from s.wav to [..]
    ASSERT_TRUE(WaitState("selected", "[..]"));
    Key("space");
    ASSERT_TRUE(WaitState("path", "c:\\*.wav"));
    Key("Down Down");
    ASSERT_TRUE(WaitState("selected", "[-d-]"));
    Key("space");
    ASSERT_TRUE(WaitState("path", "d:\\*.wav"));
    Key("x");
    EXPECT_EQ(WaitExit(), 0);
}

TEST_F(E2eTest, ARealSoundIsWrittenToTheAudioDevice)
{
    const std::string dir = "/usr/share/sounds/alsa";
    if (access((dir + "/Front_Center.wav").c_str(), R_OK) != 0)
        GTEST_SKIP() << "needs alsa-utils' sounds";
    Start(dir);
    // Select Front_Center.wav with the list's own keys: Home, then Down to it.
    Key("Down");
    ASSERT_TRUE(WaitFor([&] { return Get("cursel") == "0"; }));
    for (int i = 0; i < 40 && Get("selected") != "Front_Center.wav"; ++i) {
        Key("Down");
        WaitFor([&] { return false; }, 80);
    }
    ASSERT_EQ(Get("selected"), "Front_Center.wav");
    ASSERT_TRUE(WaitState("name", "Front_Center.wav"));
    Key("space");
    EXPECT_TRUE(WaitState("looks", "sPc", 2000));
    EXPECT_TRUE(WaitState("looks", "spc", 8000));
    Key("x");
    EXPECT_EQ(WaitExit(), 0);
    std::string peak = Shell("sox -t raw -r 44100 -e signed -b 16 -c 2 " + sound + " -n stat 2>&1 | grep 'Maximum amplitude'");
    ASSERT_FALSE(peak.empty()) << "no sound written";
    double amplitude = std::stod(peak.substr(peak.find(':') + 1));
    EXPECT_GT(amplitude, 0.05) << "the recorded output is silence";
}

// A control that moved, vanished or changed its look shows up as pixels
// that differ from the reference. BRISOLA_UPDATE_REFERENCE=1 writes a new one.
TEST_F(E2eTest, TheWindowLooksLikeItsReferenceScreenshot)
{
    if (Shell("command -v compare import >/dev/null && echo ok") != "ok")
        GTEST_SKIP() << "needs imagemagick";
    Start(tree.Root());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));   // let it draw
    const std::string shot = tree.Path("shot.png");
    const std::string reference = std::string(E2E_REFERENCE_DIR) + "/main-window.png";
    Shell("import -window " + window + " " + shot);
    if (std::getenv("BRISOLA_UPDATE_REFERENCE")) {
        Shell("cp " + shot + " " + reference);
        GTEST_SKIP() << "reference written to " << reference;
    }
    ASSERT_EQ(access(reference.c_str(), R_OK), 0) << "no reference screenshot";
    EXPECT_EQ(Shell("identify -format %wx%h " + shot), "474x284");
    // Differing pixels, allowing for small shifts in colour from font smoothing.
    std::string differing = Shell("compare -metric AE -fuzz 15% " + shot + " " + reference + " null: 2>&1");
    const double kMaxDifferingPixels = 474 * 284 * 0.005;
    EXPECT_LT(std::stod(differing), kMaxDifferingPixels) << differing << " pixels differ from " << reference;
    Key("x");
    EXPECT_EQ(WaitExit(), 0);
}

// The X server's own auto-repeat: a held Down moves the selection on every
// repeat and probes only the file where it comes to rest.
TEST_F(E2eTest, HoldingDownProbesOnlyTheFileWhereTheSelectionRests)
{
    TempTree many;
    for (int i = 0; i < 300; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "f%03d.wav", i);
        many.WriteFile(name, CanonicalWav(44100, 16, 1, 4));
    }
    Start(many.Root());
    FileOpenWatch watch(many.Root());
    ASSERT_TRUE(watch.Ok());
    Shell("xdotool keydown Down; sleep 1.5; xdotool keyup Down");
    ASSERT_TRUE(WaitFor([&] { return Get("name").rfind("f", 0) == 0; })) << "no file selected";
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const int fileOpens = watch.TakeFileOpens();
    const int rest = std::stoi(Get("cursel"));
    EXPECT_GT(rest, 5) << "the key did not repeat";
    EXPECT_EQ(Get("selected"), Get("name"));
    EXPECT_EQ(fileOpens, 1) << "files opened while Down was held";
    Key("x");
    EXPECT_EQ(WaitExit(), 0);
}
