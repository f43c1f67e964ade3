#include "platform/audio/AudioOutput.h"

#include <mutex>

#include "platform/audio/NullAudioOutput.h"
#include "platform/audio/SdlAudioOutput.h"

namespace {

struct ConfigSlot {
    std::mutex lock;
    AudioOutputConfig config;
};

ConfigSlot& Slot()
{
    static ConfigSlot slot;
    return slot;
}

} // namespace

void SetAudioOutputConfig(const AudioOutputConfig& config)
{
    ConfigSlot& s = Slot();
    std::lock_guard<std::mutex> g(s.lock);
    s.config = config;
}

AudioOutputConfig GetAudioOutputConfig()
{
    ConfigSlot& s = Slot();
    std::lock_guard<std::mutex> g(s.lock);
    return s.config;
}

std::unique_ptr<AudioOutput> CreateAudioOutput()
{
    AudioOutputConfig config = GetAudioOutputConfig();
    if (config.backend == AudioOutputConfig::Backend::Null)
        return std::make_unique<NullAudioOutput>(config);
    return std::make_unique<SdlAudioOutput>(config);
}
