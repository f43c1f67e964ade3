// The device on the real SDL output: the dummy driver for timing of the
// notice, the disk driver to record what was played, and a driver that does
// not exist for "no audio output".
#include <sndfile.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "MciTestHarness.h"
#include "SoundFixture.h"

namespace {

// The disk driver writes each block after this many milliseconds instead of
// in real time: the test runs about ten times faster than the sound.
constexpr const char* kDiskDelayMs = "1";
constexpr size_t kSdlBufferFrames = 512;

class WaveDeviceSdl : public MciTestHarness {
protected:
    void SetUp() override
    {
        MciTestHarness::SetUp();
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        m_driver = driver ? driver : "";
        m_hadDriver = driver != nullptr;
    }
    void TearDown() override
    {
        MciTestHarness::TearDown();
        if (m_hadDriver)
            setenv("SDL_AUDIODRIVER", m_driver.c_str(), 1);
        else
            unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }

    std::vector<float> ReadRecording(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<float> samples(bytes.size() / sizeof(float));
        std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
        return samples;
    }

    std::string m_driver;
    bool m_hadDriver = false;
};

TEST_F(WaveDeviceSdl, TheDummyDriverPlaysInRealTimeAndNotifiesOnce)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    UseSdlOutput(0);
    Tone tone;
    tone.rateHz = 44100;
    tone.frames = 4410;   // 100 ms
    ASSERT_TRUE(WriteTone(m_tree.Path("t.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, tone));
    ASSERT_EQ(OpenSample("t.wav"), 0u);
    ASSERT_EQ(Send("play sample from 0 notify"), 0u);
    EXPECT_EQ(Status("sample", "mode"), "playing");
    std::vector<MSG> notices = WaitNotices(1, 200);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].wParam, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(Status("sample", "position"), "100");
    EXPECT_EQ(Send("stop sample"), 0u);
    EXPECT_EQ(Send("close sample"), 0u);
}

struct DiskCase {
    const char* name;
    int format;
    int rateHz;
    int channels;
    int outRateHz;
};

const DiskCase kDiskCases[] = {
    {"16-bit 22.05 kHz stereo to 48 kHz", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2, 48000},
    {"24-bit 96 kHz mono to 44.1 kHz", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 96000, 1, 44100},
    {"float 8 kHz stereo to 48 kHz", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, 2, 48000},
};

TEST_F(WaveDeviceSdl, TheDiskDriverRecordsTheFileAtTheOutputRate)
{
    for (const DiskCase& r : kDiskCases) {
        SCOPED_TRACE(r.name);
        const std::string out = m_tree.Path("played.raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", kDiskDelayMs, 1);
        UseSdlOutput(r.outRateHz);
        Tone tone;
        tone.rateHz = r.rateHz;
        tone.channels = r.channels;
        tone.frames = r.rateHz / 5;   // 200 ms
        ASSERT_TRUE(WriteTone(m_tree.Path("t.wav"), r.format, tone));

        ASSERT_EQ(OpenSample("t.wav"), 0u);
        ASSERT_EQ(Send("play sample from 0 notify"), 0u);
        ASSERT_EQ(WaitNotices(1, 20).size(), 1u);
        ASSERT_EQ(Send("close sample"), 0u);

        std::vector<float> rec = ReadRecording(out);
        SoundSpan span = FindSound(rec, 2);
        ASSERT_TRUE(span.found) << "the disk driver recorded silence";
        EXPECT_NEAR(static_cast<double>(span.Frames()), 0.2 * r.outRateHz, kSdlBufferFrames);
        for (int c = 0; c < 2; ++c) {
            const int source = r.channels == 1 ? 0 : c;
            EXPECT_LT(RmsError(rec, 2, c, span, r.outRateHz, [&](double t) { return tone.Value(source, t); }), 0.01)
                << "channel " << c;
        }
    }
}

TEST_F(WaveDeviceSdl, WithoutAnyAudioOutputOpenFailsAndSaysSo)
{
    setenv("SDL_AUDIODRIVER", "no-such-sound-system", 1);
    UseSdlOutput(0);
    m_tree.WriteFile("t.wav", CanonicalWav(22050, 16, 1, 4000));
    EXPECT_EQ(OpenSample("t.wav"), MCIERR_DEVICE_NOT_INSTALLED);
    char text[256];
    mciGetErrorStringA(MCIERR_DEVICE_NOT_INSTALLED, text, sizeof text);
    EXPECT_NE(std::string(text).find("No audio output"), std::string::npos) << text;
    // Nothing was left open, and the next open with a working output succeeds.
    EXPECT_EQ(Send("play sample from 0 notify"), MCIERR_INVALID_DEVICE_NAME);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_EQ(OpenSample("t.wav"), 0u);
}

} // namespace
