// Sound files for the device benchmarks: a canonical 16-bit stereo 48 kHz
// WAV of the given size whose first second is a tone and whose rest is a
// hole in the file (sparse), so that a 1 GiB file costs no disk space.
#pragma once

#include <cstdint>
#include <string>

constexpr uint64_t kMiB = 1024ull * 1024ull;
constexpr uint64_t kGiB = 1024ull * kMiB;

// False when the file cannot be written.
bool WriteSparseWav(const std::string& path, uint64_t dataBytes);
// A fresh folder under $TMPDIR or /tmp.
std::string MakeBenchFolder();
