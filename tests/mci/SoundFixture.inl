#include <cmath>
#include <limits>

template <typename F>
double RmsError(const std::vector<float>& interleaved, int channels, int channel, const SoundSpan& span, int rateHz, F expected)
{
    const size_t edge = static_cast<size_t>(rateHz / 200);   // 5 ms
    if (!span.found || span.Frames() <= 2 * edge + 16)
        return std::numeric_limits<double>::infinity();
    double best = std::numeric_limits<double>::infinity();
    for (int lag = -4; lag <= 4; ++lag) {
        double sum = 0;
        size_t n = 0;
        for (size_t f = span.first + edge; f + edge <= span.last; ++f) {
            double t = (static_cast<double>(f - span.first) + lag) / rateHz;
            double d = interleaved[f * static_cast<size_t>(channels) + static_cast<size_t>(channel)] - expected(t);
            sum += d * d;
            ++n;
        }
        best = std::min(best, std::sqrt(sum / static_cast<double>(n)));
    }
    return best;
}
