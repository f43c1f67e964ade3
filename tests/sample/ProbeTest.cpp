#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <memory>
#include <string>

#include "platform/winapi/DriveMap.h"
#include "sample/WaveSample.h"
#include "support/RecordingMci.h"
#include "support/TempTree.h"

namespace {

class ProbeTest : public ::testing::Test {
protected:
    void SetUp() override { DriveMap::Install({{'c', tree.Root()}}); }
    void TearDown() override { DriveMap::Install(DriveMap::SystemTable()); }

    // The probe alone: the destructor's device commands go to a recorder.
    std::unique_ptr<CWaveSample> Probe(const std::string& drivePath)
    {
        return std::make_unique<CWaveSample>(CString(drivePath));
    }

    TempTree tree;
    RecordingMci mci;
    RecordingMessageBoxes boxes;
};

std::vector<uint8_t> WithChunkAheadOfFormat()
{
    // RIFF, WAVE, then a 4-byte "LIST" chunk before "fmt ": the fixed
    // offsets now fall inside other fields.
    std::vector<uint8_t> canonical = CanonicalWav(44100, 16, 2, 8);
    const uint8_t list[] = {'L', 'I', 'S', 'T', 4, 0, 0, 0, 0xAB, 0xCD, 0xEF, 0x01};
    std::vector<uint8_t> v;
    for (size_t i = 0; i < canonical.size(); ++i) {
        if (i == 12)
            v.insert(v.end(), std::begin(list), std::end(list));
        v.push_back(canonical[i]);
    }
    return v;
}

} // namespace

TEST_F(ProbeTest, ReadsTheTwoFieldsAndTheLength)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        WORD rate, bits;
    } cases[] = {
        {"canonical.wav", CanonicalWav(44100, 16, 2, 400), 44100, 16},
        {"hirate.wav", CanonicalWav(96000, 24, 2, 60), 30464, 24},   // low 16 bits of the rate only
        {"eight.wav", CanonicalWav(8000, 8, 1, 10), 8000, 8},
        // offset 24 now holds "fm" of the moved chunk's tag, offset 34 its channel count
        {"listfirst.wav", WithChunkAheadOfFormat(), 0x6D66, 2},
        {"ten.wav", std::vector<uint8_t>(10, 0x55), 0, 0},          // both fields beyond the end
        {"twentyfive.wav", std::vector<uint8_t>(25, 0x11), 0, 0},   // the rate field is cut in half
        {"thirty.wav", std::vector<uint8_t>(30, 0x22), 0x2222, 0},
        {"empty.wav", {}, 0, 0},
    };
    for (const Case& c : cases) {
        tree.WriteFile(c.name, c.bytes);
        auto s = Probe(std::string("c:\\") + c.name);
        EXPECT_EQ(s->GetSamplesPerSec(), c.rate) << c.name;
        EXPECT_EQ(s->GetBitsPerSample(), c.bits) << c.name;
        EXPECT_EQ(s->GetLength(), c.bytes.size()) << c.name;
        EXPECT_EQ(s->m_strPath, std::string("c:\\") + c.name);
        EXPECT_FALSE(s->m_bOpen);
        EXPECT_FALSE(s->m_bPlaying);
        EXPECT_EQ(s->m_hCopyBuffer, nullptr);
    }
    EXPECT_TRUE(mci.sent.size() >= 1);   // only the destructors spoke to the device
}

TEST_F(ProbeTest, AnythingThatIsNotAReadableFileGivesAnEmptyPathAndZeros)
{
    tree.WriteFile("x.wav", std::string("this is plain text, not a sound at all\n"));
    tree.MakeDir("dir.wav");
    ASSERT_EQ(mkfifo(tree.Path("fifo.wav").c_str(), 0600), 0);
    auto text = Probe("c:\\x.wav");
    EXPECT_EQ(text->GetSamplesPerSec(), (' ' << 8) | 'a');   // whatever bytes lie there
    EXPECT_EQ(text->GetLength(), 39u);

    for (const char* path : {"c:\\missing.wav", "c:\\dir.wav", "c:\\fifo.wav", "c:\\", "q:\\nodrive.wav"}) {
        auto probed = std::async(std::launch::async, [&] {
            CWaveSample s{CString(path)};
            return std::make_tuple(s.m_strPath.str(), s.GetSamplesPerSec(), s.GetBitsPerSample(), s.GetLength());
        });
        ASSERT_EQ(probed.wait_for(std::chrono::seconds(5)), std::future_status::ready) << path << " hung";
        auto [p, rate, bits, len] = probed.get();
        EXPECT_EQ(p, "") << path;
        EXPECT_EQ(rate, 0) << path;
        EXPECT_EQ(bits, 0) << path;
        EXPECT_EQ(len, 0u) << path;
    }
}

TEST_F(ProbeTest, InfoTextsArePlainDecimal)
{
    struct Case {
        std::vector<uint8_t> bytes;
        const char *freq, *len, *res;
    } cases[] = {
        {CanonicalWav(44100, 16, 2, 1000), "44100 Hz", "1044", "16 Bit"},
        {CanonicalWav(96000, 32, 1, 0), "30464 Hz", "44", "32 Bit"},
        {{}, "0 Hz", "0", "0 Bit"},
    };
    for (const Case& c : cases) {
        tree.WriteFile("s.wav", c.bytes);
        auto s = Probe("c:\\s.wav");
        CString freq, len, res;
        FormatSampleInfo(*s, freq, len, res);
        EXPECT_EQ(freq, c.freq);
        EXPECT_EQ(len, c.len);
        EXPECT_EQ(res, c.res);
    }
}

TEST_F(ProbeTest, ARealSoundFileAgreesWithSoxi)
{
    const std::string real = "/usr/share/sounds/alsa/Front_Center.wav";
    if (access(real.c_str(), R_OK) != 0 || system("command -v soxi >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs alsa-utils' sounds and sox";
    DriveMap::Install({{'c', ""}});
    auto s = Probe("c:\\usr\\share\\sounds\\alsa\\Front_Center.wav");
    auto soxi = [&](const char* flag) {
        std::string cmd = std::string("soxi ") + flag + " " + real;
        FILE* p = popen(cmd.c_str(), "r");
        char buf[64] = "";
        if (p) {
            if (!fgets(buf, sizeof buf, p))
                buf[0] = '\0';
            pclose(p);
        }
        return std::stoul(buf);
    };
    EXPECT_EQ(s->GetSamplesPerSec(), soxi("-r") & 0xFFFF);
    EXPECT_EQ(s->GetBitsPerSample(), soxi("-b"));
    struct stat st;
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(s->GetLength(), static_cast<DWORD>(st.st_size));
}
