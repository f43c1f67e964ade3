// Every sample format libsndfile reads from a WAV file plays, and every
// channel count from one to eight lands on the right side.
#include <sndfile.h>
#include <unistd.h>

#include "MciTestHarness.h"
#include "SoundFixture.h"
#include "platform/winapi/DriveMap.h"

namespace {

struct Variant {
    const char* name;
    int format;
    double maxRmsError;   // lossy codings are allowed their noise
};

const Variant kVariants[] = {
    {"unsigned 8-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 0.01},
    {"16-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.01},
    {"24-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 0.01},
    {"32-bit", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 0.01},
    {"32-bit float", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 0.01},
    {"64-bit float", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, 0.01},
    {"extensible 16-bit", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 0.01},
    {"extensible 24-bit", SF_FORMAT_WAVEX | SF_FORMAT_PCM_24, 0.01},
    {"extensible float", SF_FORMAT_WAVEX | SF_FORMAT_FLOAT, 0.01},
    {"A-law", SF_FORMAT_WAV | SF_FORMAT_ALAW, 0.02},
    {"mu-law", SF_FORMAT_WAV | SF_FORMAT_ULAW, 0.02},
    {"IMA ADPCM", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 0.05},
    {"MS ADPCM", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 0.05},
    {"RF64 16-bit", SF_FORMAT_RF64 | SF_FORMAT_PCM_16, 0.01},
};

class WaveFormats : public MciTestHarness {
protected:
    // Plays the whole file on the instant null output; the recording.
    std::vector<float> PlayToTheEnd(const std::string& relative)
    {
        ClearRecording();
        EXPECT_EQ(Send("open waveaudio!" + DrivePath(relative) + " alias fmt"), 0u);
        EXPECT_EQ(Send("play fmt from 0 notify"), 0u);
        std::vector<MSG> notices = WaitNotices(1);
        EXPECT_EQ(notices.size(), 1u);
        if (!notices.empty()) {
            EXPECT_EQ(notices[0].wParam, MCI_NOTIFY_SUCCESSFUL);
        }
        EXPECT_EQ(Send("close fmt"), 0u);
        return Recorded();
    }
};

TEST_F(WaveFormats, EverySampleFormatPlaysAtItsSpeed)
{
    Tone tone;
    tone.rateHz = 22050;
    tone.channels = 1;
    tone.frames = 22050 / 5;                  // 200 ms
    for (const Variant& v : kVariants) {
        SCOPED_TRACE(v.name);
        ASSERT_TRUE(WriteTone(m_tree.Path("v.wav"), v.format, tone));
        std::vector<float> rec = PlayToTheEnd("v.wav");
        SoundSpan span = FindSound(rec, kOutChannels, 0.02f);
        EXPECT_NEAR(static_cast<double>(span.Frames()), 0.2 * kOutRateHz, 512);
        EXPECT_LT(RmsError(rec, kOutChannels, 0, span, kOutRateHz, [&](double t) { return tone.Value(0, t); }), v.maxRmsError);
    }
}

TEST_F(WaveFormats, EachChannelCountFoldsDownToTheRightSide)
{
    for (int channels = 1; channels <= 8; ++channels) {
        for (int hot = 0; hot < std::min(channels, 2); ++hot) {
            SCOPED_TRACE("channels " + std::to_string(channels) + ", tone on channel " + std::to_string(hot));
            Tone tone;
            tone.rateHz = 44100;
            tone.channels = channels;
            tone.frames = 4410;
            tone.onlyChannel = hot;
            ASSERT_TRUE(WriteTone(m_tree.Path("c.wav"), SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, tone));
            std::vector<float> rec = PlayToTheEnd("c.wav");
            SoundSpan span = FindSound(rec, kOutChannels, 0.02f);
            ASSERT_TRUE(span.found);
            double level[kOutChannels] = {0, 0};
            for (size_t f = span.first; f <= span.last; ++f)
                for (int c = 0; c < kOutChannels; ++c)
                    level[c] = std::max(level[c], static_cast<double>(std::fabs(rec[f * kOutChannels + static_cast<size_t>(c)])));
            if (channels == 1) {
                EXPECT_GT(level[0], 0.45);
                EXPECT_GT(level[1], 0.45);
            } else {
                EXPECT_GT(level[hot], 0.1);
                EXPECT_LT(level[1 - hot], 1e-4);
            }
        }
    }
}

TEST_F(WaveFormats, ASoundFileOfTheSystemPlays)
{
    const std::string folder = "/usr/share/sounds/alsa";
    if (access((folder + "/Front_Center.wav").c_str(), R_OK) != 0)
        GTEST_SKIP() << "no " << folder << "/Front_Center.wav here";
    DriveMap::Install({{'c', m_tree.Root()}, {'d', folder}});
    ASSERT_EQ(Send("open waveaudio!d:\\Front_Center.wav alias sys"), 0u);
    const long lengthMs = std::stol(Status("sys", "length"));
    EXPECT_GT(lengthMs, 100);
    ASSERT_EQ(Send("play sys from 0 notify"), 0u);
    std::vector<MSG> notices = WaitNotices(1);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].wParam, MCI_NOTIFY_SUCCESSFUL);
    SoundSpan span = FindSound(Recorded(), kOutChannels, 0.01f);
    ASSERT_TRUE(span.found);
    EXPECT_LE(span.Frames(), static_cast<size_t>(lengthMs + 1) * kOutRateHz / 1000 + 512);
}

} // namespace
