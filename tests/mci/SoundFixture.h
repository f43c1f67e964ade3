// Sound files for the device tests, written with libsndfile, and the
// measurements the tests make on what the output got.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A sine per channel: channel c has frequency freqHz * (c + 1), or silence
// when c is not in the mask (onlyChannel >= 0 keeps just that one).
struct Tone {
    int rateHz = 48000;
    int channels = 1;
    int64_t frames = 4800;
    double freqHz = 440;
    double amplitude = 0.5;
    int onlyChannel = -1;

    double Value(int channel, double seconds) const;
    double Seconds() const { return static_cast<double>(frames) / rateHz; }
};

// format is an SF_FORMAT_* combination. False when libsndfile refuses it.
bool WriteTone(const std::string& path, int format, const Tone& tone);

// First and last frame of one channel whose magnitude passes threshold.
struct SoundSpan {
    bool found = false;
    size_t first = 0;
    size_t last = 0;
    size_t Frames() const { return found ? last - first + 1 : 0; }
};
SoundSpan FindSound(const std::vector<float>& interleaved, int channels, float threshold = 1e-3f);

// RMS difference between channel `channel` of the recording, from frame
// `span.first` on, and `expected(seconds)` sampled at rateHz; the best of a
// few frames of alignment either way, over the inner part of the span
// (filter edges left out).
template <typename F>
double RmsError(const std::vector<float>& interleaved, int channels, int channel, const SoundSpan& span, int rateHz, F expected);

// Drops runs of exact silence (the output's idle blocks while paused).
std::vector<float> WithoutSilentRuns(const std::vector<float>& interleaved, int channels, size_t minRunFrames);

#include "SoundFixture.inl"
