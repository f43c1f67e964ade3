// Maps a file's channels onto the output's: mono goes to every output
// channel at full level, stereo stays as it is, and surround layouts fold
// down to stereo by where each speaker sits. A gain table is fixed at
// construction, so mixing allocates nothing (it runs on the output thread).
#pragma once

#include <cstddef>
#include <vector>

enum class Speaker {
    Mono, FrontLeft, FrontRight, FrontCenter, Lfe, BackLeft, BackRight, BackCenter,
    SideLeft, SideRight, FrontLeftOfCenter, FrontRightOfCenter,
    TopLeft, TopRight, TopCenter, Unknown
};

class ChannelMixer {
public:
    ChannelMixer(const std::vector<Speaker>& inputs, int outChannels);

    // The usual WAV order for a channel count without a channel mask:
    // L R C LFE BL BR SL SR (mono for one channel).
    static std::vector<Speaker> DefaultLayout(int channels);

    int InChannels() const { return m_in; }
    int OutChannels() const { return m_out; }
    // Gain of input channel in on output channel out.
    float Gain(int in, int out) const { return m_gains[static_cast<size_t>(in * m_out + out)]; }

    // in: frames * InChannels(), out: frames * OutChannels().
    void Mix(const float* in, size_t frames, float* out) const;

private:
    int m_in;
    int m_out;
    bool m_identity;
    std::vector<float> m_gains;   // [in][out]
};
