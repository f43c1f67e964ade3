// The audio output the waveaudio device plays into. Pull model: once the
// output runs it asks its source for blocks of frames on its own thread
// (the output thread). Samples are always 32-bit float, interleaved, at the
// output's rate and channel count; the source converts to that.
//
// Threads: Open, Close, SetPaused and Format are called on the UI thread
// (the thread that sends the media-control commands); Render and the tap
// run on the output thread. Close returns only after the last Render has.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

struct AudioFormat {
    int rateHz = 0;
    int channels = 0;
};

class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Output thread. Fills frames * channels floats; silence when there is
    // nothing to play. Must not wait on the UI thread.
    virtual void Render(float* out, size_t frames) = 0;
};

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // UI thread. Opens the output, paused, to pull from source. On failure
    // returns false and says why in *reason.
    virtual bool Open(AudioSource* source, std::string* reason) = 0;
    // UI thread. Stops pulling from the source (a backend may keep its
    // device for the next Open); safe to call twice.
    virtual void Close() {}
    // UI thread. A paused output does not pull; it plays silence.
    virtual void SetPaused(bool paused) { (void)paused; }
    // The format Render fills; valid after a successful Open.
    virtual AudioFormat Format() const { return AudioFormat{}; }
    // Frames asked for per pull: how much sound may still sit in the output
    // after Render handed it over. 0 when unknown.
    virtual size_t BufferFrames() const { return 0; }
};

// Sees every block the output hands on (output thread), e.g. to record it.
using AudioTap = std::function<void(const float* samples, size_t frames, int channels)>;

// How CreateAudioOutput chooses. The program keeps the defaults; tests and
// benchmarks pick the null output, a rate or a tap.
struct AudioOutputConfig {
    enum class Backend { System, Null };
    Backend backend = Backend::System;
    int rateHz = 0;               // 0: the system device's own rate (null: kNullDefaultRateHz)
    int channels = 2;
    size_t bufferFrames = 0;      // 0: the backend's default
    double nullSpeed = 1.0;       // null only: 1 real time, k k-times faster, 0 as fast as pulled
    AudioTap tap;
};

constexpr int kNullDefaultRateHz = 48000;
constexpr size_t kDefaultBufferFrames = 512;

// UI thread. Replaces the configuration for outputs created afterwards.
void SetAudioOutputConfig(const AudioOutputConfig& config);
AudioOutputConfig GetAudioOutputConfig();

// UI thread. The one place that chooses a backend.
std::unique_ptr<AudioOutput> CreateAudioOutput();
