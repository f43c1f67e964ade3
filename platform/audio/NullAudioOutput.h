// An output without a device: a thread of its own pulls blocks in real time,
// faster by a factor, or as fast as the source renders them. Used by tests
// and benchmarks; what it pulls reaches the tap and nothing else.
#pragma once

#include <memory>

#include "platform/audio/AudioOutput.h"

class NullAudioOutput : public AudioOutput {
public:
    explicit NullAudioOutput(const AudioOutputConfig& config);
    ~NullAudioOutput() override;

    bool Open(AudioSource* source, std::string* reason) override;
    void Close() override;
    void SetPaused(bool paused) override;
    AudioFormat Format() const override;
    size_t BufferFrames() const override;

private:
    struct State;
    std::unique_ptr<State> m_state;
};
