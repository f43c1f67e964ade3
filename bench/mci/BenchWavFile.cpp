#include "BenchWavFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr uint32_t kRateHz = 48000;
constexpr uint16_t kChannels = 2;
constexpr uint16_t kBits = 16;

void Put16(std::vector<uint8_t>& v, uint16_t x)
{
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x)
{
    Put16(v, static_cast<uint16_t>(x));
    Put16(v, static_cast<uint16_t>(x >> 16));
}
void PutTag(std::vector<uint8_t>& v, const char* t) { v.insert(v.end(), t, t + 4); }

} // namespace

bool WriteSparseWav(const std::string& path, uint64_t dataBytes)
{
    std::vector<uint8_t> v;
    const uint16_t blockAlign = kChannels * kBits / 8;
    PutTag(v, "RIFF");
    Put32(v, static_cast<uint32_t>(36 + dataBytes));
    PutTag(v, "WAVE");
    PutTag(v, "fmt ");
    Put32(v, 16);
    Put16(v, 1);
    Put16(v, kChannels);
    Put32(v, kRateHz);
    Put32(v, kRateHz * blockAlign);
    Put16(v, blockAlign);
    Put16(v, kBits);
    PutTag(v, "data");
    Put32(v, static_cast<uint32_t>(dataBytes));
    const uint64_t toneFrames = std::min<uint64_t>(kRateHz, dataBytes / blockAlign);
    for (uint64_t f = 0; f < toneFrames; ++f) {
        const int16_t s = static_cast<int16_t>(12000 * std::sin(2 * M_PI * 440.0 * static_cast<double>(f) / kRateHz + M_PI / 4));
        for (int c = 0; c < kChannels; ++c)
            Put16(v, static_cast<uint16_t>(s));
    }
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    bool ok = write(fd, v.data(), v.size()) == static_cast<ssize_t>(v.size()) &&
              ftruncate(fd, static_cast<off_t>(44 + dataBytes)) == 0;
    return close(fd) == 0 && ok;
}

std::string MakeBenchFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/brisola-bench-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    return mkdtemp(buf.data()) ? std::string(buf.data()) : std::string();
}
