#include "platform/audio/RateConverter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kZeroCrossings = 16;
constexpr int kTableSteps = 256;          // kernel points per input frame
constexpr double kPassband = 0.95;        // of the lower Nyquist: room for the filter's slope

} // namespace

RateConverter::RateConverter(int channels, int inRateHz, int outRateHz)
    : m_channels(channels), m_inRateHz(static_cast<uint64_t>(std::max(inRateHz, 0))),
      m_outRateHz(static_cast<uint64_t>(std::max(outRateHz, 0)))
{
    if (!Ok() || m_inRateHz == m_outRateHz)
        return;
    const double ratio = static_cast<double>(m_outRateHz) / static_cast<double>(m_inRateHz);
    m_cutoff = kPassband * std::min(1.0, ratio);
    m_halfWidth = static_cast<int>(std::ceil(kZeroCrossings / m_cutoff));
    m_table.resize(static_cast<size_t>(m_halfWidth * kTableSteps + 2));
    for (size_t i = 0; i < m_table.size(); ++i) {
        const double u = static_cast<double>(i) / kTableSteps;
        const double x = M_PI * m_cutoff * u;
        const double sinc = u == 0 ? 1.0 : std::sin(x) / x;
        const double w = u >= m_halfWidth ? 0.0
                                          : 0.42 + 0.5 * std::cos(M_PI * u / m_halfWidth) + 0.08 * std::cos(2 * M_PI * u / m_halfWidth);
        m_table[i] = static_cast<float>(m_cutoff * sinc * w);
    }
}

float RateConverter::Kernel(double u) const
{
    const double pos = std::fabs(u) * kTableSteps;
    const size_t i = static_cast<size_t>(pos);
    if (i + 1 >= m_table.size())
        return 0.0f;
    const float f = static_cast<float>(pos - static_cast<double>(i));
    return m_table[i] + (m_table[i + 1] - m_table[i]) * f;
}

void RateConverter::Put(const float* frames, size_t count)
{
    m_input.insert(m_input.end(), frames, frames + count * static_cast<size_t>(m_channels));
    m_inputEnd += count;
}

size_t RateConverter::Get(float* out, size_t maxFrames)
{
    const size_t ch = static_cast<size_t>(m_channels);
    size_t made = 0;
    if (m_inRateHz == m_outRateHz) {
        made = std::min<size_t>(maxFrames, m_input.size() / ch);
        if (made == 0)
            return 0;
        std::memcpy(out, m_input.data(), made * ch * sizeof(float));
        m_input.erase(m_input.begin(), m_input.begin() + static_cast<long>(made * ch));
        m_inputBase += made;
        m_produced += made;
        return made;
    }
    const int64_t reach = m_halfWidth;
    while (made < maxFrames) {
        const uint64_t num = m_produced * m_inRateHz;
        const uint64_t at = num / m_outRateHz;
        const double frac = static_cast<double>(num % m_outRateHz) / static_cast<double>(m_outRateHz);
        if (m_flushed ? at >= m_inputEnd : at + static_cast<uint64_t>(reach) >= m_inputEnd)
            break;
        float* dst = out + made * ch;
        for (size_t c = 0; c < ch; ++c)
            dst[c] = 0.0f;
        const int64_t first = static_cast<int64_t>(at) - reach + 1;
        const int64_t last = std::min<int64_t>(static_cast<int64_t>(at) + reach, static_cast<int64_t>(m_inputEnd) - 1);
        for (int64_t k = std::max<int64_t>(first, static_cast<int64_t>(m_inputBase)); k <= last; ++k) {
            const float w = Kernel(static_cast<double>(k - static_cast<int64_t>(at)) - frac);
            const float* src = m_input.data() + static_cast<size_t>(k - static_cast<int64_t>(m_inputBase)) * ch;
            for (size_t c = 0; c < ch; ++c)
                dst[c] += src[c] * w;
        }
        ++made;
        ++m_produced;
    }
    // Keep only the history the next output frame still reaches.
    const uint64_t next = m_produced * m_inRateHz / m_outRateHz;
    const uint64_t keepFrom = next > static_cast<uint64_t>(reach) ? next - static_cast<uint64_t>(reach) : 0;
    if (keepFrom > m_inputBase) {
        const size_t drop = static_cast<size_t>(std::min<uint64_t>(keepFrom - m_inputBase, m_input.size() / ch));
        m_input.erase(m_input.begin(), m_input.begin() + static_cast<long>(drop * ch));
        m_inputBase += drop;
    }
    return made;
}

void RateConverter::Flush()
{
    m_flushed = true;
}

void RateConverter::Clear()
{
    m_input.clear();
    m_inputBase = 0;
    m_inputEnd = 0;
    m_produced = 0;
    m_flushed = false;
}
