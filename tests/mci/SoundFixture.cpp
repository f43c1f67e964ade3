#include "SoundFixture.h"

#include <sndfile.h>

#include <cmath>

double Tone::Value(int channel, double seconds) const
{
    if (onlyChannel >= 0 && channel != onlyChannel)
        return 0.0;
    // A quarter-turn phase so that the very first frame is already loud.
    return amplitude * std::sin(2 * M_PI * freqHz * (channel + 1) * seconds + M_PI / 4);
}

bool WriteTone(const std::string& path, int format, const Tone& tone)
{
    SF_INFO info{};
    info.samplerate = tone.rateHz;
    info.channels = tone.channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f)
        return false;
    std::vector<double> block(static_cast<size_t>(tone.channels) * 1024);
    for (int64_t start = 0; start < tone.frames; start += 1024) {
        int64_t n = std::min<int64_t>(1024, tone.frames - start);
        for (int64_t i = 0; i < n; ++i)
            for (int c = 0; c < tone.channels; ++c)
                block[static_cast<size_t>(i * tone.channels + c)] = tone.Value(c, static_cast<double>(start + i) / tone.rateHz);
        sf_writef_double(f, block.data(), n);
    }
    return sf_close(f) == 0;
}

SoundSpan FindSound(const std::vector<float>& interleaved, int channels, float threshold)
{
    SoundSpan span;
    const size_t frames = interleaved.size() / static_cast<size_t>(channels);
    for (size_t f = 0; f < frames; ++f) {
        bool loud = false;
        for (int c = 0; c < channels; ++c)
            loud = loud || std::fabs(interleaved[f * static_cast<size_t>(channels) + static_cast<size_t>(c)]) > threshold;
        if (!loud)
            continue;
        if (!span.found)
            span.first = f;
        span.found = true;
        span.last = f;
    }
    return span;
}

std::vector<float> WithoutSilentRuns(const std::vector<float>& interleaved, int channels, size_t minRunFrames)
{
    const size_t ch = static_cast<size_t>(channels);
    const size_t frames = interleaved.size() / ch;
    std::vector<float> out;
    size_t f = 0;
    while (f < frames) {
        size_t run = f;
        while (run < frames) {
            bool zero = true;
            for (size_t c = 0; c < ch; ++c)
                zero = zero && interleaved[run * ch + c] == 0.0f;
            if (!zero)
                break;
            ++run;
        }
        if (run - f < minRunFrames)
            out.insert(out.end(), interleaved.begin() + static_cast<long>(f * ch), interleaved.begin() + static_cast<long>(run * ch));
        if (run < frames)
            out.insert(out.end(), interleaved.begin() + static_cast<long>(run * ch), interleaved.begin() + static_cast<long>((run + 1) * ch));
        f = run + 1;
    }
    return out;
}
