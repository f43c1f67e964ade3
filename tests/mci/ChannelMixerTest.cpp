#include <gtest/gtest.h>

#include <vector>

#include "platform/audio/ChannelMixer.h"

namespace {

// Mixes one frame where only input channel `hot` is at full scale.
std::vector<float> MixOne(const std::vector<Speaker>& layout, int outChannels, int hot, float level = 1.0f)
{
    ChannelMixer mixer(layout, outChannels);
    std::vector<float> in(layout.size(), 0.0f), out(static_cast<size_t>(outChannels), -9.0f);
    if (hot >= 0)
        in[static_cast<size_t>(hot)] = level;
    else
        for (float& v : in)
            v = level;
    mixer.Mix(in.data(), 1, out.data());
    return out;
}

TEST(ChannelMixer, MonoReachesBothSpeakersAtFullLevel)
{
    EXPECT_EQ(MixOne(ChannelMixer::DefaultLayout(1), 2, 0), (std::vector<float>{1.0f, 1.0f}));
}

TEST(ChannelMixer, StereoStaysAsItIs)
{
    EXPECT_EQ(MixOne(ChannelMixer::DefaultLayout(2), 2, 0), (std::vector<float>{1.0f, 0.0f}));
    EXPECT_EQ(MixOne(ChannelMixer::DefaultLayout(2), 2, 1), (std::vector<float>{0.0f, 1.0f}));
}

TEST(ChannelMixer, SurroundFoldsDownBySideAndNeverClips)
{
    for (int channels = 3; channels <= 8; ++channels) {
        SCOPED_TRACE(channels);
        std::vector<Speaker> layout = ChannelMixer::DefaultLayout(channels);
        std::vector<float> left = MixOne(layout, 2, 0);
        EXPECT_GT(left[0], 0.1f);
        EXPECT_EQ(left[1], 0.0f);
        std::vector<float> right = MixOne(layout, 2, 1);
        EXPECT_EQ(right[0], 0.0f);
        EXPECT_GT(right[1], 0.1f);
        // Every channel at full scale at once stays within full scale.
        std::vector<float> all = MixOne(layout, 2, -1);
        EXPECT_LE(all[0], 1.0001f);
        EXPECT_LE(all[1], 1.0001f);
        EXPECT_GT(all[0], 0.99f);
    }
    // The centre of 5.1 lands equally on both sides.
    std::vector<float> centre = MixOne(ChannelMixer::DefaultLayout(6), 2, 2);
    EXPECT_GT(centre[0], 0.1f);
    EXPECT_FLOAT_EQ(centre[0], centre[1]);
}

TEST(ChannelMixer, StereoToAMonoOutputAveragesTheSides)
{
    std::vector<float> out = MixOne(ChannelMixer::DefaultLayout(2), 1, -1, 0.8f);
    EXPECT_FLOAT_EQ(out[0], 0.8f);
}

} // namespace
