// The device on the null output: what it hands on has the file's duration at
// the output's rate and the file's samples; stop keeps the place; notices.
#include <sndfile.h>

#include <thread>

#include "MciTestHarness.h"
#include "SoundFixture.h"

namespace {

constexpr size_t kOutBufferFrames = 512;   // the null output's block: the tolerance on durations

struct Fixture {
    const char* name;
    int format;
    int rateHz;
    int channels;
    int outRateHz;
    double maxRmsError;   // on a tone of amplitude 0.5
};

const Fixture kFixtures[] = {
    {"16-bit 44.1 kHz stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 48000, 0.01},
    {"24-bit 48 kHz mono", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 1, 48000, 0.001},
    {"16-bit 96 kHz stereo", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 96000, 2, 48000, 0.01},
    {"16-bit 8 kHz mono", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 48000, 0.01},
    {"float 22.05 kHz stereo", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 22050, 2, 48000, 0.01},
    {"16-bit 8 kHz mono on a 44.1 kHz output", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 44100, 0.01},
    {"24-bit 96 kHz stereo on a 44.1 kHz output", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 96000, 2, 44100, 0.01},
};

void PrintTo(const Fixture& f, std::ostream* os) { *os << f.name; }

class WaveDevicePlayback : public MciTestHarness, public ::testing::WithParamInterface<Fixture> {};

TEST_P(WaveDevicePlayback, HandsOnTheFileAtItsSpeedAndPitchThenNotifiesOnce)
{
    const Fixture& fx = GetParam();
    Tone tone;
    tone.rateHz = fx.rateHz;
    tone.channels = fx.channels;
    tone.frames = fx.rateHz / 4;            // 250 ms
    tone.freqHz = 440;
    ASSERT_TRUE(WriteTone(m_tree.Path("tone.wav"), fx.format, tone));
    UseNullOutput(0, fx.outRateHz);

    const std::string lengthMs = std::to_string(tone.frames * 1000 / tone.rateHz);
    ASSERT_EQ(OpenSample("tone.wav"), 0u);
    EXPECT_EQ(Status("sample", "length"), lengthMs);
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    std::vector<MSG> notices = WaitNotices(1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].hwnd, Window());
    EXPECT_EQ(notices[0].wParam, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_NE(notices[0].lParam, 0);
    EXPECT_EQ(Status("sample", "mode"), "stopped");
    EXPECT_EQ(Status("sample", "position"), lengthMs);

    std::vector<float> rec = Recorded();
    SoundSpan span = FindSound(rec, kOutChannels);
    ASSERT_TRUE(span.found) << "only silence reached the output";
    const double expectedFrames = tone.Seconds() * fx.outRateHz;
    EXPECT_NEAR(static_cast<double>(span.Frames()), expectedFrames, kOutBufferFrames);
    for (int out = 0; out < kOutChannels; ++out) {
        const int source = fx.channels == 1 ? 0 : out;
        double err = RmsError(rec, kOutChannels, out, span, fx.outRateHz, [&](double t) { return tone.Value(source, t); });
        EXPECT_LT(err, fx.maxRmsError) << "output channel " << out;
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, WaveDevicePlayback, ::testing::ValuesIn(kFixtures),
                         [](const ::testing::TestParamInfo<Fixture>& info) {
                             std::string n;
                             for (const char* p = info.param.name; *p; ++p)
                                 n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return n;
                         });

class WaveDeviceTransport : public MciTestHarness {
protected:
    // A 48 kHz file on a 48 kHz output: no resampling, so a resumed play
    // must join the paused one sample for sample.
    void SetUp() override
    {
        MciTestHarness::SetUp();
        m_tone.rateHz = 48000;
        m_tone.channels = 1;
        m_tone.frames = 24000;            // 500 ms
        ASSERT_TRUE(WriteTone(m_tree.Path("tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_24, m_tone));
    }
    Tone m_tone;
};

TEST_F(WaveDeviceTransport, StopKeepsThePlaceAndPlayGoesOnFromIt)
{
    UseNullOutput(4);   // 500 ms of sound in 125 ms
    ASSERT_EQ(OpenSample("tone.wav"), 0u);
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    EXPECT_EQ(Status("sample", "mode"), "playing");
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    ASSERT_EQ(Send("stop sample"), 0u);
    EXPECT_EQ(Status("sample", "mode"), "stopped");
    const long paused = std::stol(Status("sample", "position"));
    EXPECT_GT(paused, 0);
    EXPECT_LT(paused, 500);

    // Stopped means stopped: no notice and no progress while time passes.
    EXPECT_TRUE(WaitNotices(0, 150).empty());
    EXPECT_EQ(std::stol(Status("sample", "position")), paused);

    ASSERT_EQ(Send("play sample notify"), 0u);
    ASSERT_EQ(WaitNotices(1).size(), 1u);

    // The two runs join into the one tone, with nothing skipped or repeated.
    std::vector<float> sound = WithoutSilentRuns(Recorded(), kOutChannels, 64);
    SoundSpan span = FindSound(sound, kOutChannels);
    EXPECT_NEAR(static_cast<double>(span.Frames()), 24000.0, 2.0);
    EXPECT_LT(RmsError(sound, kOutChannels, 0, span, 48000, [&](double t) { return m_tone.Value(0, t); }), 1e-3);
}

TEST_F(WaveDeviceTransport, PauseReportsPausedAndResumeGoesOn)
{
    UseNullOutput(4);
    ASSERT_EQ(OpenSample("tone.wav"), 0u);
    ASSERT_EQ(Send("play sample from 0"), 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    ASSERT_EQ(Send("pause sample"), 0u);
    EXPECT_EQ(Status("sample", "mode"), "paused");
    ASSERT_EQ(Send("resume sample notify"), 0u);
    ASSERT_EQ(WaitNotices(1).size(), 1u);
    std::vector<float> sound = WithoutSilentRuns(Recorded(), kOutChannels, 64);
    EXPECT_NEAR(static_cast<double>(FindSound(sound, kOutChannels).Frames()), 24000.0, 2.0);
}

TEST_F(WaveDeviceTransport, PlayFromZeroWhilePlayingRestartsAndOnlyTheLastPlayNotifies)
{
    UseNullOutput(4);
    ASSERT_EQ(OpenSample("tone.wav"), 0u);
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    const long before = std::stol(Status("sample", "position"));
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    EXPECT_LT(std::stol(Status("sample", "position")), before);
    std::vector<MSG> notices = WaitNotices(1, 200);
    EXPECT_EQ(notices.size(), 1u);
    // More than one tone's worth of sound went out: the restart replayed the start.
    std::vector<float> sound = WithoutSilentRuns(Recorded(), kOutChannels, 64);
    EXPECT_GT(FindSound(sound, kOutChannels).Frames(), 24000u + 1000u);
}

TEST_F(WaveDeviceTransport, AStoppedPlayNeverNotifies)
{
    UseNullOutput(4);
    ASSERT_EQ(OpenSample("tone.wav"), 0u);
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    ASSERT_EQ(Send("stop sample"), 0u);
    // Well past the time the play would have taken.
    EXPECT_TRUE(WaitNotices(0, 300).empty());
    // Stop also succeeds once playback is over, and notice-less plays stay quiet.
    ASSERT_EQ(Send("play sample from 0"), 0u);
    EXPECT_TRUE(WaitNotices(0, 300).empty());
    EXPECT_EQ(Status("sample", "mode"), "stopped");
    EXPECT_EQ(Send("stop sample"), 0u);
}

TEST_F(WaveDeviceTransport, PlayFromAPositionPlaysTheRestOnly)
{
    ASSERT_EQ(OpenSample("tone.wav"), 0u);
    ASSERT_EQ(Send("play sample from 250 notify"), 0u);
    ASSERT_EQ(WaitNotices(1).size(), 1u);
    std::vector<float> rec = Recorded();
    SoundSpan span = FindSound(rec, kOutChannels);
    EXPECT_NEAR(static_cast<double>(span.Frames()), 12000.0, 2.0);
    EXPECT_LT(RmsError(rec, kOutChannels, 0, span, 48000, [&](double t) { return m_tone.Value(0, t + 0.25); }), 1e-3);
    EXPECT_EQ(Send("play sample from 501"), MCIERR_OUTOFRANGE);
    // Playing on from the end ends at once and says so.
    ASSERT_EQ(Send("play sample notify"), 0u);
    EXPECT_EQ(WaitNotices(1).size(), 1u);
}

TEST_F(WaveDeviceTransport, AliasesAreOneEachAndCloseFreesThem)
{
    ASSERT_EQ(OpenSample("tone.wav"), 0u);
    EXPECT_EQ(Send("open waveaudio!" + DrivePath("tone.wav") + " alias SAMPLE"), MCIERR_DUPLICATE_ALIAS);
    EXPECT_EQ(Send("open waveaudio!" + DrivePath("tone.wav") + " alias other"), 0u);
    EXPECT_EQ(Send("play nobody"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send("close Sample"), 0u);
    EXPECT_EQ(Send("status sample mode"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(OpenSample("tone.wav"), 0u);
    char small[4];
    EXPECT_EQ(mciSendStringA("status sample mode", small, sizeof small, nullptr), MCIERR_PARAM_OVERFLOW);
}

TEST_F(WaveDeviceTransport, APathWithBlanksAndTheWordAliasOpens)
{
    m_tree.MakeDir("My Samples alias x");
    ASSERT_TRUE(WriteTone(m_tree.Path("My Samples alias x/kick 01.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, m_tone));
    ASSERT_EQ(OpenSample("My Samples alias x/kick 01.wav"), 0u);
    EXPECT_EQ(Status("sample", "length"), "500");
}

} // namespace
