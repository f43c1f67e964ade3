#include "support/TempTree.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempTree::TempTree()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/brisola-test-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data()))
        throw std::runtime_error("mkdtemp failed");
    m_root = buf.data();
}

TempTree::~TempTree()
{
    std::error_code ec;
    // Give back any permission a test took away, so that everything goes.
    for (auto it = std::filesystem::recursive_directory_iterator(m_root, std::filesystem::directory_options::skip_permission_denied, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec))
            chmod(it->path().c_str(), 0755);
    }
    chmod(m_root.c_str(), 0755);
    std::filesystem::remove_all(m_root, ec);
}

void TempTree::MakeDir(const std::string& relative) const
{
    std::filesystem::create_directories(Path(relative));
}

void TempTree::WriteFile(const std::string& relative, const std::string& bytes) const
{
    std::ofstream out(Path(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + Path(relative));
}

void TempTree::WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes) const
{
    WriteFile(relative, std::string(bytes.begin(), bytes.end()));
}

std::string TempTree::ReadFile(const std::string& relative) const
{
    std::ifstream in(Path(relative), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

namespace {
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

std::vector<uint8_t> CanonicalWav(uint32_t sampleRate, uint16_t bitsPerSample, uint16_t channels, uint32_t dataBytes)
{
    std::vector<uint8_t> v;
    uint16_t blockAlign = static_cast<uint16_t>(channels * ((bitsPerSample + 7) / 8));
    PutTag(v, "RIFF");
    Put32(v, 36 + dataBytes);
    PutTag(v, "WAVE");
    PutTag(v, "fmt ");
    Put32(v, 16);
    Put16(v, 1);
    Put16(v, channels);
    Put32(v, sampleRate);
    Put32(v, sampleRate * blockAlign);
    Put16(v, blockAlign);
    Put16(v, bitsPerSample);
    PutTag(v, "data");
    Put32(v, dataBytes);
    for (uint32_t i = 0; i < dataBytes; ++i)
        v.push_back(static_cast<uint8_t>((i * 7) & 0xFF));
    return v;
}
