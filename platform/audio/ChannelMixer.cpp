#include "platform/audio/ChannelMixer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr float kHalfPower = 0.70710678f;   // -3 dB: a speaker shared by two sides

// Left and right gains of one speaker in a stereo fold-down.
void StereoGains(Speaker s, float* left, float* right)
{
    switch (s) {
    case Speaker::Mono: *left = 1.0f; *right = 1.0f; break;
    case Speaker::FrontLeft: *left = 1.0f; *right = 0.0f; break;
    case Speaker::FrontRight: *left = 0.0f; *right = 1.0f; break;
    case Speaker::FrontLeftOfCenter: *left = 1.0f; *right = 0.0f; break;
    case Speaker::FrontRightOfCenter: *left = 0.0f; *right = 1.0f; break;
    case Speaker::BackLeft:
    case Speaker::SideLeft:
    case Speaker::TopLeft: *left = kHalfPower; *right = 0.0f; break;
    case Speaker::BackRight:
    case Speaker::SideRight:
    case Speaker::TopRight: *left = 0.0f; *right = kHalfPower; break;
    case Speaker::FrontCenter:
    case Speaker::TopCenter:
    case Speaker::Unknown: *left = kHalfPower; *right = kHalfPower; break;
    case Speaker::BackCenter:
    case Speaker::Lfe: *left = 0.5f; *right = 0.5f; break;
    }
}

} // namespace

std::vector<Speaker> ChannelMixer::DefaultLayout(int channels)
{
    if (channels == 1)
        return {Speaker::Mono};
    static const Speaker kOrder[] = {Speaker::FrontLeft, Speaker::FrontRight, Speaker::FrontCenter, Speaker::Lfe,
                                     Speaker::BackLeft, Speaker::BackRight, Speaker::SideLeft, Speaker::SideRight};
    std::vector<Speaker> layout;
    for (int i = 0; i < channels; ++i)
        layout.push_back(i < 8 ? kOrder[i] : Speaker::Unknown);
    // Four channels are quad: the third and fourth are the back pair.
    if (channels == 4) {
        layout[2] = Speaker::BackLeft;
        layout[3] = Speaker::BackRight;
    }
    // Five without LFE: L R C BL BR.
    if (channels == 5) {
        layout[3] = Speaker::BackLeft;
        layout[4] = Speaker::BackRight;
    }
    return layout;
}

ChannelMixer::ChannelMixer(const std::vector<Speaker>& inputs, int outChannels)
    : m_in(static_cast<int>(inputs.size())), m_out(outChannels),
      m_identity(false), m_gains(static_cast<size_t>(m_in * m_out), 0.0f)
{
    if (m_in == m_out && (m_in != 2 || (inputs[0] == Speaker::FrontLeft && inputs[1] == Speaker::FrontRight))) {
        m_identity = true;
        for (int c = 0; c < m_in; ++c)
            m_gains[static_cast<size_t>(c * m_out + c)] = 1.0f;
        return;
    }
    for (int i = 0; i < m_in; ++i) {
        float l = 0, r = 0;
        StereoGains(inputs[static_cast<size_t>(i)], &l, &r);
        if (m_out == 1) {
            m_gains[static_cast<size_t>(i)] = std::max(l, r);
        } else if (m_out >= 2) {
            m_gains[static_cast<size_t>(i * m_out)] = l;
            m_gains[static_cast<size_t>(i * m_out + 1)] = r;
        }
    }
    // Keep each output within full scale: a fold-down never clips where
    // every input channel alone would not.
    for (int o = 0; o < m_out; ++o) {
        float sum = 0;
        for (int i = 0; i < m_in; ++i)
            sum += m_gains[static_cast<size_t>(i * m_out + o)];
        if (sum > 1.0f)
            for (int i = 0; i < m_in; ++i)
                m_gains[static_cast<size_t>(i * m_out + o)] /= sum;
    }
}

void ChannelMixer::Mix(const float* in, size_t frames, float* out) const
{
    if (m_identity) {
        std::memcpy(out, in, frames * static_cast<size_t>(m_in) * sizeof(float));
        return;
    }
    for (size_t f = 0; f < frames; ++f) {
        const float* src = in + f * static_cast<size_t>(m_in);
        float* dst = out + f * static_cast<size_t>(m_out);
        for (int o = 0; o < m_out; ++o) {
            float v = 0;
            for (int i = 0; i < m_in; ++i)
                v += src[i] * m_gains[static_cast<size_t>(i * m_out + o)];
            dst[o] = v;
        }
    }
}
