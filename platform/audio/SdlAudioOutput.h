// The system's audio output through SDL2 (PipeWire, PulseAudio, ALSA, ...).
// Only SDL's audio subsystem is ever started, on the first Open.
//
// Every selection of a sample opens and closes the waveaudio device once,
// and closing an SDL device waits out its thread (about 20 ms). So Close
// only detaches the source and keeps the device, paused, for the next Open
// with the same settings; one device at most is kept.
#pragma once

#include <memory>

#include "platform/audio/AudioOutput.h"

class SdlAudioOutput : public AudioOutput {
public:
    explicit SdlAudioOutput(const AudioOutputConfig& config);
    ~SdlAudioOutput() override;

    bool Open(AudioSource* source, std::string* reason) override;
    void Close() override;
    void SetPaused(bool paused) override;
    AudioFormat Format() const override;
    size_t BufferFrames() const override;

private:
    struct State;
    std::unique_ptr<State> m_state;
};
