// The waveaudio device's costs that a user feels: how long after "play" the
// first sound reaches the output, and whether opening a big file costs more
// than a small one. Prints figures and ratios; never fails.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <thread>

#include "BenchWavFile.h"
#include "platform/audio/AudioOutput.h"
#include "platform/mci/Mci.h"
#include "platform/winapi/DriveMap.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kFirstSoundTimeoutMs = 1000;

struct Files {
    std::string folder = MakeBenchFolder();
    Files()
    {
        WriteSparseWav(folder + "/small.wav", kMiB);
        WriteSparseWav(folder + "/big.wav", kGiB);
        DriveMap::Install({{'c', folder}});
    }
    ~Files()
    {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

Files& TheFiles()
{
    static Files files;
    return files;
}

// Set when the output is handed its first non-silent block after `armed`.
struct FirstSound {
    std::atomic<bool> armed{false};
    std::atomic<int64_t> atNs{0};
};

FirstSound& Watch()
{
    static FirstSound w;
    return w;
}

void UseOutput(AudioOutputConfig::Backend backend)
{
    AudioOutputConfig config;
    config.backend = backend;
    config.rateHz = 48000;
    config.nullSpeed = 1.0;
    config.tap = [](const float* s, size_t frames, int channels) {
        FirstSound& w = Watch();
        if (!w.armed.load(std::memory_order_acquire))
            return;
        for (size_t i = 0; i < frames * static_cast<size_t>(channels); ++i)
            if (s[i] != 0.0f) {
                w.atNs.store(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count());
                w.armed.store(false, std::memory_order_release);
                return;
            }
    };
    SetAudioOutputConfig(config);
}

void PlayToFirstSound(benchmark::State& state, AudioOutputConfig::Backend backend, const char* file)
{
    TheFiles();
    UseOutput(backend);
    const std::string open = std::string("open waveaudio!c:\\") + file + " alias bench";
    if (mciSendStringA(open.c_str(), nullptr, 0, nullptr) != 0) {
        state.SkipWithError("open failed");
        return;
    }
    for (auto _ : state) {
        FirstSound& w = Watch();
        w.atNs = 0;
        w.armed = true;
        const Clock::time_point start = Clock::now();
        mciSendStringA("play bench from 0", nullptr, 0, nullptr);
        while (w.armed.load() && Clock::now() - start < std::chrono::milliseconds(kFirstSoundTimeoutMs))
            std::this_thread::yield();
        const int64_t startNs = std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
        state.SetIterationTime(w.armed ? kFirstSoundTimeoutMs / 1000.0 : static_cast<double>(w.atNs - startNs) * 1e-9);
        w.armed = false;
        mciSendStringA("stop bench", nullptr, 0, nullptr);
        // Let the output settle into its paused state, like a user between clicks.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    mciSendStringA("close bench", nullptr, 0, nullptr);
}

void OpenAndClose(benchmark::State& state, const char* file)
{
    TheFiles();
    UseOutput(AudioOutputConfig::Backend::Null);
    const std::string open = std::string("open waveaudio!c:\\") + file + " alias bench";
    for (auto _ : state) {
        if (mciSendStringA(open.c_str(), nullptr, 0, nullptr) != 0) {
            state.SkipWithError("open failed");
            return;
        }
        mciSendStringA("close bench", nullptr, 0, nullptr);
    }
}

void BM_PlayToFirstSound_Null_1MiB(benchmark::State& s) { PlayToFirstSound(s, AudioOutputConfig::Backend::Null, "small.wav"); }
void BM_PlayToFirstSound_Null_1GiB(benchmark::State& s) { PlayToFirstSound(s, AudioOutputConfig::Backend::Null, "big.wav"); }
void BM_PlayToFirstSound_SdlDummy_1MiB(benchmark::State& s) { PlayToFirstSound(s, AudioOutputConfig::Backend::System, "small.wav"); }
void BM_PlayToFirstSound_SdlDummy_1GiB(benchmark::State& s) { PlayToFirstSound(s, AudioOutputConfig::Backend::System, "big.wav"); }
void BM_Open_1MiB(benchmark::State& s) { OpenAndClose(s, "small.wav"); }
void BM_Open_1GiB(benchmark::State& s) { OpenAndClose(s, "big.wav"); }

constexpr int kRepetitions = 5;

BENCHMARK(BM_PlayToFirstSound_Null_1MiB)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlayToFirstSound_Null_1GiB)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(100)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlayToFirstSound_SdlDummy_1MiB)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(40)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlayToFirstSound_SdlDummy_1GiB)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(40)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_Open_1MiB)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
BENCHMARK(BM_Open_1GiB)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);

// Prints the usual table, then the figures the goals are about.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // Medians of the repetitions: a busy machine spoils single runs.
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                m_ms[r.run_name.function_name] = r.GetAdjustedRealTime() / 1000.0;   // reported in microseconds
    }
    void Summary() const
    {
        auto get = [this](const char* name) {
            auto it = m_ms.find(name);
            return it == m_ms.end() ? -1.0 : it->second;
        };
        std::printf("\n--- waveaudio device figures (medians) ---\n");
        std::printf("play -> first sound, null output:  1 MiB %.3f ms, 1 GiB %.3f ms (goal < 10 ms)\n",
                    get("BM_PlayToFirstSound_Null_1MiB"), get("BM_PlayToFirstSound_Null_1GiB"));
        std::printf("play -> first sound, SDL dummy:    1 MiB %.3f ms, 1 GiB %.3f ms (goal < 10 ms)\n",
                    get("BM_PlayToFirstSound_SdlDummy_1MiB"), get("BM_PlayToFirstSound_SdlDummy_1GiB"));
        const double small = get("BM_Open_1MiB"), big = get("BM_Open_1GiB");
        std::printf("open + close: 1 MiB %.3f ms, 1 GiB %.3f ms, ratio 1 GiB / 1 MiB = %.2f (goal < 1.5)\n",
                    small, big, small > 0 ? big / small : 0.0);
    }

private:
    std::map<std::string, double> m_ms;
};

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("SDL_AUDIODRIVER"))
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.Summary();
    benchmark::Shutdown();
    return 0;
}
