// The system's audio output through SDL2 (PipeWire, PulseAudio, ALSA, ...).
// SDL's audio subsystem is started by Open and stopped by Close, so nothing
// of SDL runs while no sample is open, and only audio is ever initialised.
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
