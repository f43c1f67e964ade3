// Reads a sound file in blocks through libsndfile, so that the cost of
// opening does not grow with the file and only one block is in memory. The
// file stays open by descriptor: deleting it keeps it readable.
// Not thread-safe; the device guards it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio/ChannelMixer.h"

class WaveFileDecoder {
public:
    enum class OpenResult { Ok, NotFound, NotReadable, NotPlayable };
    // What a block read found.
    enum class ReadResult { Data, End, Failed };

    WaveFileDecoder() = default;
    ~WaveFileDecoder();
    WaveFileDecoder(const WaveFileDecoder&) = delete;
    WaveFileDecoder& operator=(const WaveFileDecoder&) = delete;

    // Never waits on a FIFO or a device node: only regular files are read.
    OpenResult Open(const std::string& posixPath);

    int RateHz() const { return m_rateHz; }
    int Channels() const { return m_channels; }
    int64_t Frames() const { return m_frames; }
    const std::vector<Speaker>& Layout() const { return m_layout; }

    bool Seek(int64_t frame);
    // Decodes up to maxFrames frames into out (maxFrames * Channels()
    // floats, full scale +-1). *got is the number decoded; End when the file
    // is done, Failed when data the header promised cannot be read.
    ReadResult Read(float* out, size_t maxFrames, size_t* got);

private:
    int m_fd = -1;
    void* m_file = nullptr;       // SNDFILE*, kept out of this header
    int m_rateHz = 0;
    int m_channels = 0;
    int64_t m_frames = 0;
    int64_t m_position = 0;
    int64_t m_openedBytes = 0;
    std::vector<Speaker> m_layout;
};
