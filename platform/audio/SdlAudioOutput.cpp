#include "platform/audio/SdlAudioOutput.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

// Used when the system does not tell its device's rate.
constexpr int kFallbackRateHz = 48000;

// Started once, it stays up until the process ends; a failed start is
// tried again on the next open, so a sound server that comes later is found.
bool AudioSubsystemUp()
{
    static bool up = false;
    if (!up)
        up = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return up;
}

std::string EnvOrEmpty(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

// What makes an opened device fit an Open: the settings asked for and the
// environment SDL reads when it opens a device.
struct DeviceKey {
    int rateHz = 0;
    int channels = 0;
    size_t bufferFrames = 0;
    std::string driver, diskFile;

    static DeviceKey For(const AudioOutputConfig& c)
    {
        return DeviceKey{c.rateHz, c.channels, c.bufferFrames, EnvOrEmpty("SDL_AUDIODRIVER"),
                         EnvOrEmpty("SDL_DISKAUDIOFILE")};
    }
    bool operator==(const DeviceKey& o) const
    {
        return rateHz == o.rateHz && channels == o.channels && bufferFrames == o.bufferFrames && driver == o.driver &&
               diskFile == o.diskFile;
    }
};

// The one SDL device of the process. Its callback renders the attached
// source under `lock`, so detaching under the lock waits out a running Render.
struct SharedDevice {
    std::mutex lock;
    SDL_AudioDeviceID id = 0;
    DeviceKey key;
    AudioFormat format;
    size_t bufferFrames = 0;
    AudioSource* source = nullptr;   // null: idle, plays silence
    AudioTap tap;

    static void SDLCALL Callback(void* user, Uint8* stream, int len)
    {
        auto* d = static_cast<SharedDevice*>(user);
        std::lock_guard<std::mutex> g(d->lock);
        const size_t frameBytes = sizeof(float) * static_cast<size_t>(d->format.channels);
        const size_t frames = static_cast<size_t>(len) / frameBytes;
        float* out = reinterpret_cast<float*>(stream);
        if (!d->source) {
            std::memset(stream, 0, static_cast<size_t>(len));
            return;
        }
        d->source->Render(out, frames);
        if (d->tap)
            d->tap(out, frames, d->format.channels);
    }
};

SharedDevice& Shared()
{
    static SharedDevice d;
    return d;
}

} // namespace

struct SdlAudioOutput::State {
    AudioOutputConfig config;
    bool attached = false;
};

SdlAudioOutput::SdlAudioOutput(const AudioOutputConfig& config) : m_state(new State)
{
    m_state->config = config;
}

SdlAudioOutput::~SdlAudioOutput() { Close(); }

bool SdlAudioOutput::Open(AudioSource* source, std::string* reason)
{
    State& s = *m_state;
    if (s.attached)
        return true;
    SharedDevice& d = Shared();
    // We own no window or signals: SDL is here only to reach the sound system.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Brisola");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sample");
    if (!AudioSubsystemUp()) {
        if (reason)
            *reason = SDL_GetError();
        return false;
    }

    const DeviceKey key = DeviceKey::For(s.config);
    if (d.id && !(d.key == key)) {
        SDL_CloseAudioDevice(d.id);
        d.id = 0;
    }
    if (!d.id) {
        SDL_AudioSpec want;
        SDL_zero(want);
        int allowed = 0;
        if (s.config.rateHz > 0) {
            want.freq = s.config.rateHz;
        } else {
            // Play at the device's own rate so that only we resample.
            SDL_AudioSpec native;
            SDL_zero(native);
            want.freq = SDL_GetDefaultAudioInfo(nullptr, &native, 0) == 0 && native.freq > 0 ? native.freq
                                                                                            : kFallbackRateHz;
            allowed = SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_SAMPLES_CHANGE;
        }
        want.format = AUDIO_F32SYS;
        want.channels = static_cast<Uint8>(s.config.channels > 0 ? s.config.channels : 2);
        want.samples = static_cast<Uint16>(s.config.bufferFrames > 0 ? s.config.bufferFrames : kDefaultBufferFrames);
        want.callback = &SharedDevice::Callback;
        want.userdata = &d;
        SDL_AudioSpec have;
        SDL_zero(have);
        SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, allowed);
        if (!id) {
            if (reason)
                *reason = SDL_GetError();
            return false;
        }
        std::lock_guard<std::mutex> g(d.lock);
        d.id = id;
        d.key = key;
        d.format = AudioFormat{have.freq, have.channels};
        d.bufferFrames = have.samples;
    }
    SDL_PauseAudioDevice(d.id, 1);
    {
        std::lock_guard<std::mutex> g(d.lock);
        d.source = source;
        d.tap = s.config.tap;
    }
    s.attached = true;
    return true;
}

void SdlAudioOutput::Close()
{
    State& s = *m_state;
    if (!s.attached)
        return;
    SharedDevice& d = Shared();
    SDL_PauseAudioDevice(d.id, 1);
    {
        // Waits for a running Render; none follows for this source.
        std::lock_guard<std::mutex> g(d.lock);
        d.source = nullptr;
        d.tap = nullptr;
    }
    s.attached = false;
}

void SdlAudioOutput::SetPaused(bool paused)
{
    if (m_state->attached)
        SDL_PauseAudioDevice(Shared().id, paused ? 1 : 0);
}

AudioFormat SdlAudioOutput::Format() const
{
    return m_state->attached ? Shared().format : AudioFormat{};
}

size_t SdlAudioOutput::BufferFrames() const
{
    return m_state->attached ? Shared().bufferFrames : 0;
}
