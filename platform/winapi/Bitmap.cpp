#include "platform/winapi/Bitmap.h"

#include <cstdint>

#include "platform/winapi/Resources.h"

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;     // the oldest header: 16-bit sizes
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kLargestHeaderBytes = 124; // the version 5 header
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
// Larger than any image this program has reason to show; keeps a damaged
// header from asking for gigabytes.
constexpr int64_t kMaxSidePixels = 32768;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t U32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

int32_t I32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }

// One channel of a bit-field pixel, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m)
    {
        if (!mask)
            return;
        while (!((mask >> shift) & 1))
            ++shift;
        max = mask >> shift;
    }
    bool Contiguous() const { return mask == 0 || ((max + 1) & max) == 0; }
    uint8_t Of(uint32_t pixel) const
    {
        if (!max)
            return 0;
        const uint64_t v = (pixel & mask) >> shift;
        return static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
};

}  // namespace

std::unique_ptr<Bitmap> DecodeBmp(const uint8_t* bytes, size_t size)
{
    if (!bytes || size < kFileHeaderBytes + kCoreHeaderBytes)
        return nullptr;
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return nullptr;
    const uint64_t bitsOffset = U32(bytes + 10);
    const uint8_t* info = bytes + kFileHeaderBytes;
    const uint32_t headerBytes = U32(info);
    const bool core = headerBytes == kCoreHeaderBytes;
    if (!core && (headerBytes < kInfoHeaderBytes || headerBytes > kLargestHeaderBytes))
        return nullptr;
    if (kFileHeaderBytes + headerBytes > size)
        return nullptr;

    int64_t width, height;
    unsigned planes, bpp;
    uint32_t compression = kBiRgb, colorsUsed = 0;
    if (core) {
        width = U16(info + 4);
        height = U16(info + 6);
        planes = U16(info + 8);
        bpp = U16(info + 10);
    } else {
        width = I32(info + 4);
        height = I32(info + 8);
        planes = U16(info + 12);
        bpp = U16(info + 14);
        compression = U32(info + 16);
        colorsUsed = U32(info + 32);
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (planes != 1 || width <= 0 || height <= 0 || width > kMaxSidePixels ||
        height > kMaxSidePixels)
        return nullptr;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return nullptr;

    // Colour masks: in the header itself from version 2 on, else just after it.
    uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    uint64_t tableOffset = kFileHeaderBytes + headerBytes;
    if (compression == kBiBitfields) {
        if (bpp != 32)
            return nullptr;
        const uint8_t* m = info + kInfoHeaderBytes;
        if (headerBytes == kInfoHeaderBytes) {
            if (tableOffset + 12 > size)
                return nullptr;
            tableOffset += 12;
        } else if (headerBytes < kInfoHeaderBytes + 12) {
            return nullptr;   // too short to hold the masks it announces
        }
        for (int i = 0; i < 3; ++i)
            masks[i] = U32(m + 4 * i);
    } else if (compression != kBiRgb) {
        return nullptr;
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    if (!red.Contiguous() || !green.Contiguous() || !blue.Contiguous())
        return nullptr;

    // The palette: 3-byte entries after the oldest header, 4-byte ones after the rest.
    uint32_t paletteEntries = 0;
    const unsigned entryBytes = core ? 3 : 4;
    if (bpp <= 8) {
        const uint32_t full = 1u << bpp;
        if (colorsUsed > full)
            return nullptr;
        paletteEntries = colorsUsed ? colorsUsed : full;
        if (tableOffset + uint64_t(paletteEntries) * entryBytes > size)
            return nullptr;
    }
    const uint8_t* palette = bytes + tableOffset;

    const uint64_t rowBytes = ((uint64_t(width) * bpp + 31) / 32) * 4;
    if (bitsOffset > size || rowBytes * uint64_t(height) > size - bitsOffset)
        return nullptr;

    auto bmp = std::make_unique<Bitmap>();
    bmp->width = static_cast<int>(width);
    bmp->height = static_cast<int>(height);
    bmp->bitsPerPixel = static_cast<int>(bpp);
    bmp->rgb.resize(size_t(width) * size_t(height) * 3);

    for (int64_t y = 0; y < height; ++y) {
        const int64_t fileRow = topDown ? y : height - 1 - y;
        const uint8_t* row = bytes + bitsOffset + uint64_t(fileRow) * rowBytes;
        uint8_t* out = bmp->rgb.data() + size_t(y) * size_t(width) * 3;
        for (int64_t x = 0; x < width; ++x, out += 3) {
            if (bpp <= 8) {
                const uint64_t bit = uint64_t(x) * bpp;
                const unsigned shift = 8 - bpp - unsigned(bit % 8);
                const unsigned index = (row[bit / 8] >> shift) & ((1u << bpp) - 1);
                if (index >= paletteEntries) {
                    out[0] = out[1] = out[2] = 0;   // outside the palette: black
                    continue;
                }
                const uint8_t* entry = palette + size_t(index) * entryBytes;
                out[0] = entry[2];
                out[1] = entry[1];
                out[2] = entry[0];
            } else if (bpp == 24) {
                const uint8_t* p = row + x * 3;
                out[0] = p[2];
                out[1] = p[1];
                out[2] = p[0];
            } else {
                const uint32_t pixel = U32(row + x * 4);
                out[0] = red.Of(pixel);
                out[1] = green.Of(pixel);
                out[2] = blue.Of(pixel);
            }
        }
    }
    return bmp;
}

std::unique_ptr<Bitmap> LoadBitmapResource(int id)
{
    const BitmapResource* r = FindBitmapResource(id);
    return r ? DecodeBmp(r->bytes, r->size) : nullptr;
}
