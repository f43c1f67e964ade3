#include "platform/audio/RateConverter.h"

#include <SDL.h>

// SDL's audio stream needs no initialised subsystem: it is plain DSP.
struct RateConverter::State {
    SDL_AudioStream* stream = nullptr;
    size_t frameBytes = 0;
};

RateConverter::RateConverter(int channels, int inRateHz, int outRateHz) : m_state(new State)
{
    m_state->frameBytes = sizeof(float) * static_cast<size_t>(channels);
    m_state->stream = SDL_NewAudioStream(AUDIO_F32SYS, static_cast<Uint8>(channels), inRateHz,
                                         AUDIO_F32SYS, static_cast<Uint8>(channels), outRateHz);
}

RateConverter::~RateConverter()
{
    if (m_state->stream)
        SDL_FreeAudioStream(m_state->stream);
}

bool RateConverter::Ok() const
{
    return m_state->stream != nullptr;
}

bool RateConverter::Put(const float* frames, size_t count)
{
    if (count == 0)
        return true;
    return SDL_AudioStreamPut(m_state->stream, frames, static_cast<int>(count * m_state->frameBytes)) == 0;
}

size_t RateConverter::Get(float* frames, size_t maxFrames)
{
    int got = SDL_AudioStreamGet(m_state->stream, frames, static_cast<int>(maxFrames * m_state->frameBytes));
    return got > 0 ? static_cast<size_t>(got) / m_state->frameBytes : 0;
}

void RateConverter::Flush()
{
    SDL_AudioStreamFlush(m_state->stream);
}

void RateConverter::Clear()
{
    SDL_AudioStreamClear(m_state->stream);
}
