// One open waveaudio device: a sound file streamed into an audio output.
//
// Commands (Open, Play, Stop, Close, the status queries) run on the UI
// thread. Render runs on the output's thread and decodes, mixes and
// resamples just the block the output asks for. Both sides share the play
// state under one mutex; calls into the output (pause, close) are made with
// it released, since the output's own lock is held around Render.
//
// The end notice: a play with a window posts MM_MCINOTIFY once, when the
// file's last frame has been handed to the output and one more output
// buffer has gone by (so the sound has been played out). It is posted with
// the state lock held, so a Stop or Play that returns has surely withdrawn
// it: an interrupted play posts nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio/AudioOutput.h"
#include "platform/mci/Mci.h"

class WaveAudioDevice : public AudioSource {
public:
    enum class Mode { NotReady, Playing, Stopped, Paused };

    explicit WaveAudioDevice(DWORD deviceId);
    ~WaveAudioDevice() override;
    WaveAudioDevice(const WaveAudioDevice&) = delete;
    WaveAudioDevice& operator=(const WaveAudioDevice&) = delete;

    // posixPath is already translated from the drive path.
    MCIERROR Open(const std::string& posixPath);
    // hasFrom: start at fromMs, else go on from the current position.
    // notifyWindow: null for no notice.
    MCIERROR Play(bool hasFrom, uint64_t fromMs, HWND notifyWindow);
    // Halts and keeps the position; pause only differs in the mode it reports.
    MCIERROR Stop(bool pause);
    void Close();

    Mode CurrentMode() const;
    uint64_t PositionMs() const;
    uint64_t LengthMs() const;
    DWORD Id() const { return m_id; }

    void Render(float* out, size_t frames) override;

private:
    struct State;
    const DWORD m_id;
    std::unique_ptr<State> m_state;
    std::unique_ptr<AudioOutput> m_output;
};
