// Fixture for tests of the real waveaudio device: c: is a temporary folder,
// the output is the null one (recorded through its tap) unless a test picks
// SDL, and notices are read from the posted-message queue.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio/AudioOutput.h"
#include "platform/mci/Mci.h"
#include "support/TempTree.h"

class MciTestHarness : public ::testing::Test {
protected:
    static constexpr int kOutRateHz = 48000;
    static constexpr int kOutChannels = 2;
    static constexpr int kNoticeTimeoutMs = 5000;

    void SetUp() override;
    void TearDown() override;

    // speed 0: as fast as the device renders; 1: real time.
    void UseNullOutput(double speed, int rateHz = kOutRateHz);
    void UseSdlOutput(int rateHz);

    static HWND Window() { return reinterpret_cast<HWND>(static_cast<uintptr_t>(0x5A3)); }
    // "c:\" + relative with '/' turned into '\'.
    static std::string DrivePath(const std::string& relative);

    MCIERROR Send(const std::string& command, HWND window = Window());
    std::string Status(const std::string& alias, const std::string& item);
    MCIERROR OpenSample(const std::string& relative) { return Send("open waveaudio!" + DrivePath(relative) + " alias sample"); }

    // Waits until `count` notices came or the timeout passed, then for
    // settleMs more to catch any extra one; returns all of them.
    std::vector<MSG> WaitNotices(size_t count, int settleMs = 50);

    std::vector<float> Recorded() const;
    void ClearRecording();

    TempTree m_tree;

private:
    struct Recording {
        mutable std::mutex lock;
        std::vector<float> samples;
    };
    std::shared_ptr<Recording> m_recording = std::make_shared<Recording>();
};
