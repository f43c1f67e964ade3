#include "MciTestHarness.h"

#include <thread>

#include "platform/mci/MciDeviceTable.h"
#include "platform/winapi/DriveMap.h"
#include "platform/winapi/PostedQueue.h"

void MciTestHarness::SetUp()
{
    DriveMap::Install({{'c', m_tree.Root()}});
    ResetPostedQueue();
    UseNullOutput(0);
}

void MciTestHarness::TearDown()
{
    MciDeviceTable::Instance().CloseAll();
    SetAudioOutputConfig(AudioOutputConfig{});
    DriveMap::Install(DriveMap::SystemTable());
    ResetPostedQueue();
}

void MciTestHarness::UseNullOutput(double speed, int rateHz)
{
    AudioOutputConfig config;
    config.backend = AudioOutputConfig::Backend::Null;
    config.rateHz = rateHz;
    config.channels = kOutChannels;
    config.nullSpeed = speed;
    std::shared_ptr<Recording> rec = m_recording;
    config.tap = [rec](const float* samples, size_t frames, int channels) {
        std::lock_guard<std::mutex> g(rec->lock);
        rec->samples.insert(rec->samples.end(), samples, samples + frames * static_cast<size_t>(channels));
    };
    SetAudioOutputConfig(config);
}

void MciTestHarness::UseSdlOutput(int rateHz)
{
    AudioOutputConfig config;
    config.rateHz = rateHz;
    SetAudioOutputConfig(config);
}

std::string MciTestHarness::DrivePath(const std::string& relative)
{
    std::string p = "c:\\" + relative;
    for (char& c : p)
        if (c == '/')
            c = '\\';
    return p;
}

MCIERROR MciTestHarness::Send(const std::string& command, HWND window)
{
    return mciSendStringA(command.c_str(), nullptr, 0, window);
}

std::string MciTestHarness::Status(const std::string& alias, const std::string& item)
{
    char answer[64] = "unset";
    MCIERROR err = mciSendStringA(("status " + alias + " " + item).c_str(), answer, sizeof answer, nullptr);
    if (err)
        return "error " + std::to_string(err);
    return answer;
}

std::vector<MSG> MciTestHarness::WaitNotices(size_t count, int settleMs)
{
    using Clock = std::chrono::steady_clock;
    std::vector<MSG> notices;
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kNoticeTimeoutMs);
    bool settling = false;
    for (;;) {
        MSG msg;
        while (PeekPostedMessage(&msg))
            if (msg.message == MM_MCINOTIFY)
                notices.push_back(msg);
        if (!settling && notices.size() >= count) {
            settling = true;
            deadline = Clock::now() + std::chrono::milliseconds(settleMs);
        }
        if (Clock::now() >= deadline)
            return notices;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

std::vector<float> MciTestHarness::Recorded() const
{
    std::lock_guard<std::mutex> g(m_recording->lock);
    return m_recording->samples;
}

void MciTestHarness::ClearRecording()
{
    std::lock_guard<std::mutex> g(m_recording->lock);
    m_recording->samples.clear();
}
