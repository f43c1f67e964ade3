#include "platform/audio/NullAudioOutput.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

struct NullAudioOutput::State {
    AudioOutputConfig config;
    AudioFormat format;
    size_t bufferFrames = kDefaultBufferFrames;
    AudioSource* source = nullptr;

    std::mutex lock;
    std::condition_variable wake;
    bool paused = true;
    bool quit = false;
    std::thread thread;

    void Run();
};

void NullAudioOutput::State::Run()
{
    std::vector<float> block(bufferFrames * static_cast<size_t>(format.channels));
    using Clock = std::chrono::steady_clock;
    const double blockSeconds = static_cast<double>(bufferFrames) / format.rateHz;
    Clock::time_point due = Clock::now();
    for (;;) {
        {
            std::unique_lock<std::mutex> g(lock);
            if (paused) {
                wake.wait(g, [this] { return quit || !paused; });
                // A device starts pulling at once when unpaused.
                due = Clock::now();
            }
            if (quit)
                return;
            if (config.nullSpeed > 0) {
                wake.wait_until(g, due, [this] { return quit || paused; });
                if (quit)
                    return;
                if (paused)
                    continue;
            }
        }
        source->Render(block.data(), bufferFrames);
        if (config.tap)
            config.tap(block.data(), bufferFrames, format.channels);
        if (config.nullSpeed > 0)
            due += std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(blockSeconds / config.nullSpeed));
    }
}

NullAudioOutput::NullAudioOutput(const AudioOutputConfig& config) : m_state(new State)
{
    m_state->config = config;
    m_state->format.rateHz = config.rateHz > 0 ? config.rateHz : kNullDefaultRateHz;
    m_state->format.channels = config.channels > 0 ? config.channels : 2;
    if (config.bufferFrames > 0)
        m_state->bufferFrames = config.bufferFrames;
}

NullAudioOutput::~NullAudioOutput()
{
    Close();
}

bool NullAudioOutput::Open(AudioSource* source, std::string* reason)
{
    if (!source) {
        if (reason)
            *reason = "no source to play";
        return false;
    }
    m_state->source = source;
    m_state->paused = true;
    m_state->quit = false;
    m_state->thread = std::thread([s = m_state.get()] { s->Run(); });
    return true;
}

void NullAudioOutput::Close()
{
    if (!m_state->thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> g(m_state->lock);
        m_state->quit = true;
    }
    m_state->wake.notify_all();
    m_state->thread.join();
}

void NullAudioOutput::SetPaused(bool paused)
{
    {
        std::lock_guard<std::mutex> g(m_state->lock);
        m_state->paused = paused;
    }
    m_state->wake.notify_all();
}

AudioFormat NullAudioOutput::Format() const
{
    return m_state->format;
}

size_t NullAudioOutput::BufferFrames() const
{
    return m_state->bufferFrames;
}
