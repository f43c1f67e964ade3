// Changes the sample rate of interleaved float frames so that a file plays
// at its own speed and pitch on an output of any rate. Frames go in with Put
// and come out with Get; Flush marks the end of the sound so that the last
// frames come out too; Clear forgets everything (for a jump).
//
// A windowed-sinc filter (Blackman window, 16 zero crossings each side),
// band-limited to the lower of the two rates; output frame n sits exactly at
// input time n * inRate / outRate, counted in integers, so long files do not
// drift. Equal rates pass frames through untouched. (SDL 2.26's audio stream
// was tried first: its Flush loses the last 512 input frames when it
// upsamples.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class RateConverter {
public:
    RateConverter(int channels, int inRateHz, int outRateHz);

    bool Ok() const { return m_channels > 0 && m_inRateHz > 0 && m_outRateHz > 0; }
    void Put(const float* frames, size_t count);
    // Up to maxFrames converted frames; 0 when it needs more input (or,
    // after Flush, when everything is out).
    size_t Get(float* frames, size_t maxFrames);
    void Flush();
    void Clear();

    // Converted frames the filter still waits for input to make (lookahead).
    size_t LookaheadFrames() const { return static_cast<size_t>(m_halfWidth) + 1; }

private:
    float Kernel(double u) const;

    int m_channels;
    uint64_t m_inRateHz;
    uint64_t m_outRateHz;
    int m_halfWidth = 0;            // filter reach in input frames, each side
    double m_cutoff = 1.0;          // in cycles per input sample, 1 = input Nyquist
    std::vector<float> m_table;     // kernel at kTableSteps points per input frame
    std::vector<float> m_input;     // frames from m_inputBase on
    uint64_t m_inputBase = 0;       // input index of m_input[0]
    uint64_t m_inputEnd = 0;        // input frames put so far
    uint64_t m_produced = 0;        // output frames made so far
    bool m_flushed = false;
};
