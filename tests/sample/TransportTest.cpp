#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/framework/CWnd.h"
#include "platform/winapi/DriveMap.h"
#include "sample/WaveSample.h"
#include "support/RecordingMci.h"
#include "support/TempTree.h"

namespace {

const std::string kOpen = "open waveaudio!c:\\My Samples\\kick 01.wav alias sample";
const std::string kPlayFromStart = "play sample from 0 notify";
const std::string kPlay = "play sample notify";
const std::string kStop = "stop sample";
const std::string kClose = "close sample";

enum class Op { kPlayFromStart, kStop, kPauseOrContinue, kClose };

std::string ErrorText(MCIERROR code)
{
    char buf[256] = "";
    mciGetErrorStringA(code, buf, sizeof buf);
    return buf;
}

class TransportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.MakeDir("My Samples");
        tree.WriteFile("My Samples/kick 01.wav", CanonicalWav(44100, 16, 1, 100));
        DriveMap::Install({{'c', tree.Root()}});
        window.Attach(CreateWindowModel("dialog", "", 0, 0, nullptr, RECT{}));
    }
    void TearDown() override
    {
        DestroyWindow(window.m_hWnd);
        DriveMap::Install(DriveMap::SystemTable());
    }

    std::unique_ptr<CWaveSample> NewSample() { return std::make_unique<CWaveSample>(CString("c:\\My Samples\\kick 01.wav")); }

    TempTree tree;
    RecordingMci mci;
    RecordingMessageBoxes boxes;
    CWnd window;
};

} // namespace

TEST_F(TransportTest, EachOperationSendsItsCommandsAndChangesFlagsOnlyOnSuccess)
{
    struct Row {
        bool open, playing;
        Op op;
        std::vector<std::string> failing;
        std::vector<std::string> sent;
        bool openAfter, playingAfter;
        int result;
        size_t boxes;
    } rows[] = {
        {0, 0, Op::kPlayFromStart, {}, {kOpen, kPlayFromStart}, 1, 1, 1, 0},
        {0, 0, Op::kPlayFromStart, {kOpen, kPlayFromStart}, {kOpen, kPlayFromStart}, 0, 0, 0, 2},
        {0, 0, Op::kPlayFromStart, {kPlayFromStart}, {kOpen, kPlayFromStart}, 1, 0, 0, 1},
        {0, 0, Op::kStop, {}, {kOpen}, 1, 0, 1, 0},
        {0, 0, Op::kStop, {kOpen}, {kOpen}, 0, 0, 1, 1},
        {0, 0, Op::kPauseOrContinue, {}, {kOpen, kPlay}, 1, 1, 1, 0},
        {0, 0, Op::kPauseOrContinue, {kOpen, kPlay}, {kOpen, kPlay}, 0, 0, 0, 2},
        {0, 0, Op::kClose, {}, {}, 0, 0, 1, 0},
        {0, 1, Op::kClose, {}, {}, 0, 1, 1, 0},
        {1, 0, Op::kPlayFromStart, {}, {kPlayFromStart}, 1, 1, 1, 0},
        {1, 0, Op::kPlayFromStart, {kPlayFromStart}, {kPlayFromStart}, 1, 0, 0, 1},
        {1, 0, Op::kStop, {}, {}, 1, 0, 1, 0},
        {1, 0, Op::kPauseOrContinue, {}, {kPlay}, 1, 1, 1, 0},
        {1, 0, Op::kPauseOrContinue, {kPlay}, {kPlay}, 1, 0, 0, 1},
        {1, 1, Op::kPlayFromStart, {}, {kPlayFromStart}, 1, 1, 1, 0},
        {1, 1, Op::kPlayFromStart, {kPlayFromStart}, {kPlayFromStart}, 1, 1, 0, 1},
        {1, 1, Op::kStop, {}, {kStop}, 1, 0, 1, 0},
        {1, 1, Op::kStop, {kStop}, {kStop}, 1, 1, 0, 1},
        {1, 1, Op::kPauseOrContinue, {}, {kStop}, 1, 0, 1, 0},
        {1, 1, Op::kPauseOrContinue, {kStop}, {kStop}, 1, 1, 0, 1},
        {1, 1, Op::kClose, {}, {kClose}, 0, 1, 1, 0},
        {1, 1, Op::kClose, {kClose}, {kClose}, 1, 1, 0, 1},
        {1, 0, Op::kClose, {}, {kClose}, 0, 0, 1, 0},
        // after a failed stop and a successful close
        {0, 1, Op::kStop, {}, {kOpen, kStop}, 1, 0, 1, 0},
        {0, 1, Op::kPauseOrContinue, {}, {kOpen, kStop}, 1, 0, 1, 0},
        {0, 1, Op::kPlayFromStart, {}, {kOpen, kPlayFromStart}, 1, 1, 1, 0},
    };
    int n = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE("row " + std::to_string(++n));
        auto s = NewSample();
        s->m_bOpen = r.open;
        s->m_bPlaying = r.playing;
        mci.sent.clear();
        mci.failures.clear();
        boxes.shown.clear();
        for (const std::string& f : r.failing)
            mci.failures[f] = MCIERR_DEVICE_NOT_READY;

        int result = 0;
        switch (r.op) {
        case Op::kPlayFromStart: result = s->PlayFromStart(&window); break;
        case Op::kStop: result = s->Stop(); break;
        case Op::kPauseOrContinue: result = s->PauseOrContinue(&window); break;
        case Op::kClose: result = s->CloseDevice(); break;
        }

        EXPECT_EQ(mci.Commands(), r.sent);
        EXPECT_EQ(result, r.result);
        EXPECT_EQ(!!s->m_bOpen, r.openAfter);
        EXPECT_EQ(!!s->m_bPlaying, r.playingAfter);
        EXPECT_EQ(boxes.shown.size(), r.boxes);
        for (const RecordingMci::Sent& sent : mci.sent) {
            bool plays = sent.command.rfind("play", 0) == 0;
            EXPECT_EQ(sent.callback, plays ? window.m_hWnd : nullptr) << sent.command;
        }
        // Let the destructor run against a device that no longer fails.
        mci.failures.clear();
        s.reset();
    }
}

TEST_F(TransportTest, MessagesAreTheErrorTextAndTheOpenFailureNamesTheFile)
{
    mci.failures[kOpen] = MCIERR_FILE_NOT_FOUND;
    mci.failures[kPlayFromStart] = MCIERR_INVALID_DEVICE_NAME;
    auto s = NewSample();
    EXPECT_EQ(s->PlayFromStart(nullptr), 0);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0], "c:\\My Samples\\kick 01.wav\n\r" + ErrorText(MCIERR_FILE_NOT_FOUND));
    EXPECT_EQ(boxes.shown[1], ErrorText(MCIERR_INVALID_DEVICE_NAME));
    EXPECT_EQ(mci.sent[1].callback, nullptr);   // no window given, none sent
    mci.failures.clear();
}

TEST_F(TransportTest, SuccessivePausesAlternateAndAFailedOneIsRepeated)
{
    auto s = NewSample();
    s->PlayFromStart(&window);
    mci.sent.clear();
    s->PauseOrContinue(&window);
    s->PauseOrContinue(&window);
    mci.failures[kStop] = MCIERR_DEVICE_NOT_READY;
    s->PauseOrContinue(&window);
    mci.failures.clear();
    s->PauseOrContinue(&window);
    EXPECT_EQ(mci.Commands(), (std::vector<std::string>{kStop, kPlay, kStop, kStop}));
}

TEST_F(TransportTest, TheDestructorStopsAndClosesInOrder)
{
    struct Case {
        const char* what;
        bool open, playing;
        std::vector<std::string> failing;
        std::vector<std::string> sent;
        size_t boxes;
    } cases[] = {
        {"never opened", 0, 0, {}, {kOpen, kClose}, 0},
        {"open fails", 0, 0, {kOpen}, {kOpen}, 1},
        {"playing", 1, 1, {}, {kStop, kClose}, 0},
        {"stopped", 1, 0, {}, {kClose}, 0},
        {"stop fails", 1, 1, {kStop}, {kStop, kClose}, 1},
    };
    for (const Case& c : cases) {
        auto s = NewSample();
        s->m_bOpen = c.open;
        s->m_bPlaying = c.playing;
        mci.sent.clear();
        boxes.shown.clear();
        mci.failures.clear();
        for (const std::string& f : c.failing)
            mci.failures[f] = MCIERR_HARDWARE;
        s.reset();
        EXPECT_EQ(mci.Commands(), c.sent) << c.what;
        EXPECT_EQ(boxes.shown.size(), c.boxes) << c.what;
    }
    mci.failures.clear();
}

TEST_F(TransportTest, AFileThatCannotBeOpenedSendsAnEmptyPath)
{
    {
        CWaveSample s{CString("c:\\missing.wav")};
        EXPECT_EQ(s.m_strPath, "");
    }
    EXPECT_EQ(mci.Commands(), (std::vector<std::string>{"open waveaudio! alias sample", kClose}));
}
