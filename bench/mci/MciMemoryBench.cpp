// Peak resident memory while the device plays a whole 1 GiB file. Runs in a
// process of its own so that nothing else has raised the high-water mark;
// the null output pulls as fast as the device decodes, so the 93 minutes of
// sound go by in seconds. Prints figures; never fails.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "BenchWavFile.h"
#include "platform/audio/AudioOutput.h"
#include "platform/mci/Mci.h"
#include "platform/winapi/DriveMap.h"
#include "platform/winapi/PostedQueue.h"

namespace {

constexpr int kPlayTimeoutS = 300;
constexpr double kGoalMiB = 50.0;

// VmHWM or VmRSS from /proc/self/status, in MiB.
double StatusMiB(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.compare(0, std::char_traits<char>::length(field), field) == 0)
            return std::stod(line.substr(line.find(':') + 1)) / 1024.0;
    return -1;
}

} // namespace

int main()
{
    const std::string folder = MakeBenchFolder();
    if (folder.empty() || !WriteSparseWav(folder + "/big.wav", kGiB)) {
        std::printf("cannot write the 1 GiB file under %s\n", folder.c_str());
        return 0;
    }
    DriveMap::Install({{'c', folder}});
    AudioOutputConfig config;
    config.backend = AudioOutputConfig::Backend::Null;
    config.rateHz = 48000;
    config.nullSpeed = 0;
    SetAudioOutputConfig(config);

    const double before = StatusMiB("VmHWM:");
    const HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(1));
    const auto start = std::chrono::steady_clock::now();
    MCIERROR err = mciSendStringA("open waveaudio!c:\\big.wav alias big", nullptr, 0, nullptr);
    if (!err)
        err = mciSendStringA("play big from 0 notify", nullptr, 0, window);
    bool done = false;
    while (!err && !done && std::chrono::steady_clock::now() - start < std::chrono::seconds(kPlayTimeoutS)) {
        MSG msg;
        while (PeekPostedMessage(&msg))
            done = done || msg.message == MM_MCINOTIFY;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char position[32] = "";
    mciSendStringA("status big position", position, sizeof position, nullptr);
    const double peak = StatusMiB("VmHWM:");
    mciSendStringA("close big", nullptr, 0, nullptr);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);

    std::printf("--- peak memory playing a 1 GiB file ---\n");
    if (err) {
        std::printf("the device failed with error %lu\n", static_cast<unsigned long>(err));
        return 0;
    }
    std::printf("played to %s ms (%s) in %.1f s\n", position, done ? "end notice received" : "timed out", seconds);
    std::printf("peak resident: %.1f MiB before open, %.1f MiB after playing (goal < %.0f MiB), growth %.1f MiB\n",
                before, peak, kGoalMiB, peak - before);
    return 0;
}
