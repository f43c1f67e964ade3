#include "platform/mci/WaveFileDecoder.h"

#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

SNDFILE* Snd(void* p) { return static_cast<SNDFILE*>(p); }

Speaker FromSndfile(int position)
{
    switch (position) {
    case SF_CHANNEL_MAP_MONO: return Speaker::Mono;
    case SF_CHANNEL_MAP_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT: return Speaker::FrontLeft;
    case SF_CHANNEL_MAP_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT: return Speaker::FrontRight;
    case SF_CHANNEL_MAP_CENTER:
    case SF_CHANNEL_MAP_FRONT_CENTER: return Speaker::FrontCenter;
    case SF_CHANNEL_MAP_LFE: return Speaker::Lfe;
    case SF_CHANNEL_MAP_REAR_LEFT: return Speaker::BackLeft;
    case SF_CHANNEL_MAP_REAR_RIGHT: return Speaker::BackRight;
    case SF_CHANNEL_MAP_REAR_CENTER: return Speaker::BackCenter;
    case SF_CHANNEL_MAP_SIDE_LEFT: return Speaker::SideLeft;
    case SF_CHANNEL_MAP_SIDE_RIGHT: return Speaker::SideRight;
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER: return Speaker::FrontLeftOfCenter;
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER: return Speaker::FrontRightOfCenter;
    case SF_CHANNEL_MAP_TOP_FRONT_LEFT:
    case SF_CHANNEL_MAP_TOP_REAR_LEFT: return Speaker::TopLeft;
    case SF_CHANNEL_MAP_TOP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_TOP_REAR_RIGHT: return Speaker::TopRight;
    case SF_CHANNEL_MAP_TOP_CENTER:
    case SF_CHANNEL_MAP_TOP_FRONT_CENTER:
    case SF_CHANNEL_MAP_TOP_REAR_CENTER: return Speaker::TopCenter;
    default: return Speaker::Unknown;
    }
}

} // namespace

WaveFileDecoder::~WaveFileDecoder()
{
    if (m_file)
        sf_close(Snd(m_file));
    if (m_fd >= 0)
        close(m_fd);
}

WaveFileDecoder::OpenResult WaveFileDecoder::Open(const std::string& posixPath)
{
    // O_NONBLOCK: opening a FIFO without a writer must not wait for one.
    m_fd = open(posixPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG || errno == ELOOP)
            return OpenResult::NotFound;
        return OpenResult::NotReadable;
    }
    struct stat st;
    if (fstat(m_fd, &st) != 0)
        return OpenResult::NotReadable;
    if (!S_ISREG(st.st_mode))
        return OpenResult::NotPlayable;
    m_openedBytes = static_cast<int64_t>(st.st_size);
    int flags = fcntl(m_fd, F_GETFL);
    if (flags >= 0)
        fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK);

    SF_INFO info{};
    SNDFILE* snd = sf_open_fd(m_fd, SFM_READ, &info, SF_FALSE);
    if (!snd)
        return OpenResult::NotPlayable;
    m_file = snd;
    if (info.channels <= 0 || info.samplerate <= 0 || info.frames < 0 || !info.seekable)
        return OpenResult::NotPlayable;
    m_rateHz = info.samplerate;
    m_channels = info.channels;
    m_frames = info.frames;

    // One channel is mono wherever its mask places it (WAVE_FORMAT_EXTENSIBLE
    // writes front centre): it belongs on both sides at full level.
    std::vector<int> map(static_cast<size_t>(m_channels));
    if (m_channels > 1 && sf_command(snd, SFC_GET_CHANNEL_MAP_INFO, map.data(), static_cast<int>(map.size() * sizeof(int))) == SF_TRUE) {
        for (int p : map)
            m_layout.push_back(FromSndfile(p));
    } else {
        m_layout = ChannelMixer::DefaultLayout(m_channels);
    }
    return OpenResult::Ok;
}

bool WaveFileDecoder::Seek(int64_t frame)
{
    if (frame > m_frames)
        frame = m_frames;
    if (sf_seek(Snd(m_file), frame, SEEK_SET) < 0)
        return false;
    m_position = frame;
    return true;
}

WaveFileDecoder::ReadResult WaveFileDecoder::Read(float* out, size_t maxFrames, size_t* got)
{
    *got = 0;
    if (m_position >= m_frames)
        return ReadResult::End;
    int64_t want = m_frames - m_position;
    if (want > static_cast<int64_t>(maxFrames))
        want = static_cast<int64_t>(maxFrames);
    sf_count_t n = sf_readf_float(Snd(m_file), out, want);
    if (n > 0) {
        *got = static_cast<size_t>(n);
        m_position += n;
        return ReadResult::Data;
    }
    if (sf_error(Snd(m_file)) != SF_ERR_NO_ERROR)
        return ReadResult::Failed;
    // The decoder stopped short of what the header promised. If the file
    // lost bytes since it was opened, that is a read failure; otherwise the
    // count was only an estimate (some compressed formats) and this is the end.
    struct stat st;
    if (fstat(m_fd, &st) != 0 || static_cast<int64_t>(st.st_size) < m_openedBytes)
        return ReadResult::Failed;
    m_frames = m_position;
    return ReadResult::End;
}
