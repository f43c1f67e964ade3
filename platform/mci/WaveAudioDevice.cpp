#include "platform/mci/WaveAudioDevice.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/audio/ChannelMixer.h"
#include "platform/audio/RateConverter.h"
#include "platform/mci/WaveFileDecoder.h"
#include "platform/winapi/PostedQueue.h"

namespace {

// Frames decoded per read: small enough to keep a pull short, large enough
// that a 96 kHz file fills a 48 kHz block in a few reads.
constexpr size_t kDecodeFrames = 1024;

} // namespace

struct WaveAudioDevice::State {
    mutable std::mutex lock;
    WaveFileDecoder decoder;
    std::unique_ptr<ChannelMixer> mixer;
    std::unique_ptr<RateConverter> converter;
    AudioFormat format;
    size_t tailFrames = 1;        // silence after the end before the sound counts as played

    std::vector<float> decoded;   // kDecodeFrames * file channels
    std::vector<float> mixed;     // kDecodeFrames * output channels

    Mode mode = Mode::Stopped;
    bool playing = false;         // Render takes sound from the file
    int64_t startFrame = 0;       // file frame where the current run began
    int64_t handedOut = 0;        // output frames of sound handed on since then
    bool decoderDone = false;     // file read to its end (or failed); converter flushed
    bool failed = false;
    size_t silentAfterEnd = 0;
    HWND notifyWindow = nullptr;

    // File frame reached by what has been handed to the output.
    int64_t PositionFrames() const
    {
        int64_t frames = decoder.Frames();
        if (!playing)
            return std::min(startFrame, frames);
        int64_t done = static_cast<int64_t>(static_cast<double>(handedOut) * decoder.RateHz() / format.rateHz + 0.5);
        return std::min(startFrame + done, frames);
    }
};

WaveAudioDevice::WaveAudioDevice(DWORD deviceId) : m_id(deviceId), m_state(new State) {}

WaveAudioDevice::~WaveAudioDevice()
{
    Close();
}

MCIERROR WaveAudioDevice::Open(const std::string& posixPath)
{
    State& s = *m_state;
    switch (s.decoder.Open(posixPath)) {
    case WaveFileDecoder::OpenResult::Ok: break;
    case WaveFileDecoder::OpenResult::NotFound: return MCIERR_FILE_NOT_FOUND;
    case WaveFileDecoder::OpenResult::NotReadable: return MCIERR_FILE_READ;
    case WaveFileDecoder::OpenResult::NotPlayable: return MCIERR_INVALID_FILE;
    }

    m_output = CreateAudioOutput();
    std::string reason;
    if (!m_output->Open(this, &reason)) {
        m_output.reset();
        return MCIERR_DEVICE_NOT_INSTALLED;
    }
    AudioFormat format = m_output->Format();
    if (format.rateHz <= 0 || format.channels <= 0) {
        Close();
        return MCIERR_DEVICE_NOT_INSTALLED;
    }

    std::lock_guard<std::mutex> g(s.lock);
    s.format = format;
    s.tailFrames = std::max<size_t>(1, m_output->BufferFrames());
    s.mixer = std::make_unique<ChannelMixer>(s.decoder.Layout(), format.channels);
    s.converter = std::make_unique<RateConverter>(format.channels, s.decoder.RateHz(), format.rateHz);
    s.decoded.assign(kDecodeFrames * static_cast<size_t>(s.decoder.Channels()), 0.0f);
    s.mixed.assign(kDecodeFrames * static_cast<size_t>(format.channels), 0.0f);
    if (!s.converter->Ok())
        return MCIERR_OUT_OF_MEMORY;
    s.mode = Mode::Stopped;
    return 0;
}

MCIERROR WaveAudioDevice::Play(bool hasFrom, uint64_t fromMs, HWND notifyWindow)
{
    State& s = *m_state;
    {
        std::lock_guard<std::mutex> g(s.lock);
        if (!m_output)
            return MCIERR_DEVICE_NOT_READY;
        if (hasFrom && fromMs > static_cast<uint64_t>(s.decoder.Frames()) * 1000 / static_cast<uint64_t>(s.decoder.RateHz()))
            return MCIERR_OUTOFRANGE;
        // Going on while playing only takes the new window: no jump, and the
        // earlier play's notice is withdrawn.
        if (hasFrom || !s.playing) {
            int64_t start = hasFrom ? static_cast<int64_t>(fromMs * static_cast<uint64_t>(s.decoder.RateHz()) / 1000)
                                    : s.PositionFrames();
            if (!s.decoder.Seek(start))
                return MCIERR_FILE_READ;
            s.converter->Clear();
            s.startFrame = start;
            s.handedOut = 0;
            s.decoderDone = false;
            s.failed = false;
            s.silentAfterEnd = 0;
            s.playing = true;
        }
        s.mode = Mode::Playing;
        s.notifyWindow = notifyWindow;
    }
    m_output->SetPaused(false);
    return 0;
}

MCIERROR WaveAudioDevice::Stop(bool pause)
{
    State& s = *m_state;
    {
        std::lock_guard<std::mutex> g(s.lock);
        if (!m_output)
            return MCIERR_DEVICE_NOT_READY;
        if (s.playing) {
            s.startFrame = s.PositionFrames();
            s.handedOut = 0;
        }
        s.playing = false;
        s.notifyWindow = nullptr;
        if (s.mode != Mode::NotReady)
            s.mode = pause ? Mode::Paused : Mode::Stopped;
    }
    m_output->SetPaused(true);
    return 0;
}

void WaveAudioDevice::Close()
{
    if (m_output) {
        m_output->Close();
        m_output.reset();
    }
    std::lock_guard<std::mutex> g(m_state->lock);
    m_state->playing = false;
    m_state->notifyWindow = nullptr;
}

WaveAudioDevice::Mode WaveAudioDevice::CurrentMode() const
{
    std::lock_guard<std::mutex> g(m_state->lock);
    return m_state->mode;
}

uint64_t WaveAudioDevice::PositionMs() const
{
    std::lock_guard<std::mutex> g(m_state->lock);
    return static_cast<uint64_t>(m_state->PositionFrames()) * 1000 / static_cast<uint64_t>(m_state->decoder.RateHz());
}

uint64_t WaveAudioDevice::LengthMs() const
{
    std::lock_guard<std::mutex> g(m_state->lock);
    return static_cast<uint64_t>(m_state->decoder.Frames()) * 1000 / static_cast<uint64_t>(m_state->decoder.RateHz());
}

void WaveAudioDevice::Render(float* out, size_t frames)
{
    State& s = *m_state;
    std::lock_guard<std::mutex> g(s.lock);
    const size_t channels = static_cast<size_t>(s.format.channels);
    size_t done = 0;
    while (s.playing && done < frames) {
        size_t got = s.converter->Get(out + done * channels, frames - done);
        if (got > 0) {
            done += got;
            s.handedOut += static_cast<int64_t>(got);
            continue;
        }
        if (!s.decoderDone) {
            size_t read = 0;
            WaveFileDecoder::ReadResult r = s.decoder.Read(s.decoded.data(), kDecodeFrames, &read);
            if (read > 0) {
                s.mixer->Mix(s.decoded.data(), read, s.mixed.data());
                s.converter->Put(s.mixed.data(), read);
            }
            if (r != WaveFileDecoder::ReadResult::Data) {
                s.failed = r == WaveFileDecoder::ReadResult::Failed;
                s.decoderDone = true;
                s.converter->Flush();
            }
            continue;
        }
        // Everything is out; let one output buffer of silence follow before
        // the sound counts as played.
        size_t silent = frames - done;
        std::memset(out + done * channels, 0, silent * channels * sizeof(float));
        done = frames;
        s.silentAfterEnd += silent;
        if (s.silentAfterEnd >= s.tailFrames) {
            s.startFrame = s.failed ? s.PositionFrames() : s.decoder.Frames();
            s.handedOut = 0;
            s.playing = false;
            s.mode = s.failed ? Mode::NotReady : Mode::Stopped;
            if (s.notifyWindow)
                PostMessageA(s.notifyWindow, MM_MCINOTIFY, s.failed ? MCI_NOTIFY_FAILURE : MCI_NOTIFY_SUCCESSFUL,
                             static_cast<LPARAM>(m_id));
            s.notifyWindow = nullptr;
        }
    }
    if (done < frames)
        std::memset(out + done * channels, 0, (frames - done) * channels * sizeof(float));
}
