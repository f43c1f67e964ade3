// Files the device must refuse at open, or play as far as they go, without
// hanging or crashing; and the failure notice when data vanishes.
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>

#include "MciTestHarness.h"
#include "SoundFixture.h"
#include "platform/winapi/DriveMap.h"

namespace {

class WaveDeviceBadInput : public MciTestHarness {};

TEST_F(WaveDeviceBadInput, RefusesAtOpenWithTheCodeForWhatIsWrong)
{
    std::vector<uint8_t> wav = CanonicalWav(22050, 16, 1, 4000);
    m_tree.WriteFile("notes.wav", std::string("These are my notes, not a sound.\n"));
    m_tree.WriteFile("empty.wav", std::string());
    m_tree.WriteFile("header.wav", std::vector<uint8_t>(wav.begin(), wav.begin() + 20));
    m_tree.MakeDir("folder.wav");
    ASSERT_EQ(mkfifo(m_tree.Path("pipe.wav").c_str(), 0644), 0);
    m_tree.WriteFile("good.wav", wav);

    struct Case { const char* command; MCIERROR code; };
    const std::string c = "open waveaudio!c:\\";
    const Case cases[] = {
        {"open waveaudio!c:\\missing.wav alias sample", MCIERR_FILE_NOT_FOUND},
        {"open waveaudio!c:\\no\\such\\folder\\x.wav alias sample", MCIERR_FILE_NOT_FOUND},
        {"open waveaudio!q:\\x.wav alias sample", MCIERR_FILE_NOT_FOUND},
        {"open waveaudio!c:\\notes.wav alias sample", MCIERR_INVALID_FILE},
        {"open waveaudio!c:\\empty.wav alias sample", MCIERR_INVALID_FILE},
        {"open waveaudio!c:\\header.wav alias sample", MCIERR_INVALID_FILE},
        {"open waveaudio!c:\\folder.wav alias sample", MCIERR_INVALID_FILE},
        // A FIFO with no writer: must come back at once, not wait for one.
        {"open waveaudio!c:\\pipe.wav alias sample", MCIERR_INVALID_FILE},
        {"open waveaudio! alias sample", MCIERR_FILENAME_REQUIRED},
        {"rewind sample", MCIERR_UNRECOGNIZED_COMMAND},
        {"play sample", MCIERR_INVALID_DEVICE_NAME},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.command);
        EXPECT_EQ(Send(k.command), k.code);
        // A refused open leaves no device behind under the alias.
        EXPECT_EQ(Send("close sample"), MCIERR_INVALID_DEVICE_NAME);
    }
    ASSERT_EQ(Send("open waveaudio!c:\\good.wav alias sample"), 0u);
    EXPECT_EQ(Send("open waveaudio!c:\\good.wav alias sample"), MCIERR_DUPLICATE_ALIAS);

    // The faults a user can meet each have a code of their own.
    const std::set<MCIERROR> distinct = {MCIERR_UNRECOGNIZED_COMMAND, MCIERR_INVALID_DEVICE_NAME, MCIERR_DUPLICATE_ALIAS,
                                         MCIERR_FILENAME_REQUIRED, MCIERR_FILE_NOT_FOUND, MCIERR_INVALID_FILE,
                                         MCIERR_DEVICE_NOT_INSTALLED};
    EXPECT_EQ(distinct.size(), 7u);
}

TEST_F(WaveDeviceBadInput, AnUnreadableFileIsReportedAsSuch)
{
    m_tree.WriteFile("locked.wav", CanonicalWav(22050, 16, 1, 4000));
    ASSERT_EQ(chmod(m_tree.Path("locked.wav").c_str(), 0), 0);
    if (geteuid() != 0) {
        EXPECT_EQ(OpenSample("locked.wav"), MCIERR_FILE_READ);
        return;
    }
    // Root reads every file: try it as an ordinary user in a child.
    ASSERT_EQ(chmod(m_tree.Root().c_str(), 0755), 0);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(3);
        _exit(OpenSample("locked.wav") == MCIERR_FILE_READ ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(WaveDeviceBadInput, AHeaderPromisingMoreThanThereIsPlaysWhatIsThereThenNotifies)
{
    // Header says 1 s of 16-bit mono at 8 kHz; only 0.25 s follows it.
    std::vector<uint8_t> wav = CanonicalWav(8000, 16, 1, 16000);
    wav.resize(44 + 4000);
    m_tree.WriteFile("short.wav", wav);
    ASSERT_EQ(OpenSample("short.wav"), 0u);
    EXPECT_EQ(Status("sample", "length"), "250");
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    std::vector<MSG> notices = WaitNotices(1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].wParam, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_NEAR(static_cast<double>(FindSound(Recorded(), kOutChannels).Frames()), 0.25 * kOutRateHz, 512);
}

TEST_F(WaveDeviceBadInput, AFileWithNoFramesPlaysNothingAndNotifies)
{
    m_tree.WriteFile("silent.wav", CanonicalWav(44100, 16, 2, 0));
    ASSERT_EQ(OpenSample("silent.wav"), 0u);
    EXPECT_EQ(Status("sample", "length"), "0");
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    EXPECT_EQ(WaitNotices(1).size(), 1u);
}

TEST_F(WaveDeviceBadInput, AFileDeletedAfterOpenStillPlaysToTheEnd)
{
    Tone tone;
    tone.rateHz = 16000;
    tone.frames = 4000;
    ASSERT_TRUE(WriteTone(m_tree.Path("gone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, tone));
    ASSERT_EQ(OpenSample("gone.wav"), 0u);
    ASSERT_EQ(unlink(m_tree.Path("gone.wav").c_str()), 0);
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    std::vector<MSG> notices = WaitNotices(1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].wParam, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_NEAR(static_cast<double>(FindSound(Recorded(), kOutChannels).Frames()), 0.25 * kOutRateHz, 512);
    EXPECT_EQ(Send("close sample"), 0u);
}

TEST_F(WaveDeviceBadInput, DataThatVanishesMidwayEndsWithAFailureNotice)
{
    Tone tone;
    tone.rateHz = 48000;
    tone.frames = 48000;
    ASSERT_TRUE(WriteTone(m_tree.Path("shrinks.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, tone));
    ASSERT_EQ(OpenSample("shrinks.wav"), 0u);
    ASSERT_EQ(truncate(m_tree.Path("shrinks.wav").c_str(), 44 + 2 * 4800), 0);
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    std::vector<MSG> notices = WaitNotices(1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].wParam, MCI_NOTIFY_FAILURE);
    EXPECT_EQ(Status("sample", "mode"), "not ready");
    // What was there was played.
    EXPECT_GT(FindSound(Recorded(), kOutChannels).Frames(), 4000u);
    EXPECT_EQ(Send("stop sample"), 0u);
    EXPECT_EQ(Send("close sample"), 0u);
}

} // namespace
