#include "platform/audio/SdlAudioOutput.h"

#include <SDL.h>

namespace {

// Used when the system does not tell its device's rate.
constexpr int kFallbackRateHz = 48000;

} // namespace

struct SdlAudioOutput::State {
    AudioOutputConfig config;
    AudioSource* source = nullptr;
    SDL_AudioDeviceID device = 0;
    bool subsystemUp = false;
    AudioFormat format;
    size_t bufferFrames = 0;

    static void SDLCALL Callback(void* user, Uint8* stream, int len);
};

void SDLCALL SdlAudioOutput::State::Callback(void* user, Uint8* stream, int len)
{
    State* s = static_cast<State*>(user);
    const size_t frameBytes = sizeof(float) * static_cast<size_t>(s->format.channels);
    const size_t frames = static_cast<size_t>(len) / frameBytes;
    float* out = reinterpret_cast<float*>(stream);
    s->source->Render(out, frames);
    if (s->config.tap)
        s->config.tap(out, frames, s->format.channels);
}

SdlAudioOutput::SdlAudioOutput(const AudioOutputConfig& config) : m_state(new State)
{
    m_state->config = config;
}

SdlAudioOutput::~SdlAudioOutput()
{
    Close();
}

bool SdlAudioOutput::Open(AudioSource* source, std::string* reason)
{
    State& s = *m_state;
    if (s.device)
        return true;
    s.source = source;
    // We own no window or signals: SDL is here only to reach the sound system.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Brisola");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sample");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        if (reason)
            *reason = SDL_GetError();
        return false;
    }
    s.subsystemUp = true;

    SDL_AudioSpec want;
    SDL_zero(want);
    int allowed = 0;
    if (s.config.rateHz > 0) {
        want.freq = s.config.rateHz;
    } else {
        // Play at the device's own rate so that only we resample.
        SDL_AudioSpec native;
        SDL_zero(native);
        want.freq = SDL_GetDefaultAudioInfo(nullptr, &native, 0) == 0 && native.freq > 0 ? native.freq : kFallbackRateHz;
        allowed = SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_SAMPLES_CHANGE;
    }
    want.format = AUDIO_F32SYS;
    want.channels = static_cast<Uint8>(s.config.channels > 0 ? s.config.channels : 2);
    want.samples = static_cast<Uint16>(s.config.bufferFrames > 0 ? s.config.bufferFrames : kDefaultBufferFrames);
    want.callback = &State::Callback;
    want.userdata = &s;

    SDL_AudioSpec have;
    SDL_zero(have);
    s.device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, allowed);
    if (!s.device) {
        if (reason)
            *reason = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        s.subsystemUp = false;
        return false;
    }
    s.format.rateHz = have.freq;
    s.format.channels = have.channels;
    s.bufferFrames = have.samples;
    return true;
}

void SdlAudioOutput::Close()
{
    State& s = *m_state;
    if (s.device) {
        // Waits for a running callback; none follows.
        SDL_CloseAudioDevice(s.device);
        s.device = 0;
    }
    if (s.subsystemUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        s.subsystemUp = false;
    }
}

void SdlAudioOutput::SetPaused(bool paused)
{
    if (m_state->device)
        SDL_PauseAudioDevice(m_state->device, paused ? 1 : 0);
}

AudioFormat SdlAudioOutput::Format() const
{
    return m_state->format;
}

size_t SdlAudioOutput::BufferFrames() const
{
    return m_state->bufferFrames;
}
