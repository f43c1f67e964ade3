// A temporary folder for a test, removed with everything in it at the end,
// and helpers to fill it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& Root() const { return m_root; }
    std::string Path(const std::string& relative) const { return m_root + "/" + relative; }

    void MakeDir(const std::string& relative) const;
    void WriteFile(const std::string& relative, const std::string& bytes) const;
    void WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes) const;
    std::string ReadFile(const std::string& relative) const;

private:
    std::string m_root;
};

// A canonical 44-byte-header PCM WAV file with the given fields and
// dataBytes bytes of a simple ramp as sound.
std::vector<uint8_t> CanonicalWav(uint32_t sampleRate, uint16_t bitsPerSample, uint16_t channels, uint32_t dataBytes);
