// Changes the sample rate of interleaved float frames so that a file plays
// at its own speed and pitch on an output of any rate. Frames go in with Put
// and come out with Get; Flush pushes out what the filter still holds at the
// end of the sound, Clear forgets everything (for a jump).
#pragma once

#include <cstddef>
#include <memory>

class RateConverter {
public:
    RateConverter(int channels, int inRateHz, int outRateHz);
    ~RateConverter();
    RateConverter(const RateConverter&) = delete;
    RateConverter& operator=(const RateConverter&) = delete;

    bool Ok() const;
    bool Put(const float* frames, size_t count);
    // Up to maxFrames converted frames; 0 when it needs more input.
    size_t Get(float* frames, size_t maxFrames);
    void Flush();
    void Clear();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
