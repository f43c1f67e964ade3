// Decoded device-independent bitmaps (uncompressed BMP: 1, 4, 8, 24 or 32
// bits per pixel) as 8-bit RGB rows, top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;          // of the source file
    std::vector<uint8_t> rgb;      // width * height * 3 bytes
};

// nullptr when the bytes are not a BMP we can read; never reads past size.
std::unique_ptr<Bitmap> DecodeBmp(const uint8_t* bytes, size_t size);
// Decodes the registered bitmap resource id; nullptr when absent or bad.
std::unique_ptr<Bitmap> LoadBitmapResource(int id);
