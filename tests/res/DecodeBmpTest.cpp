// DecodeBmp on files built here byte by byte: every supported layout decodes
// to the right pixels, and damaged or hostile input yields nullptr without
// reading outside the buffer (the sanitizer build checks the latter).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/winapi/Bitmap.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, size_t at, uint32_t v)
{
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

void Put32(Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

struct Layout {
    const char* name;
    unsigned bpp;
    int width;
    int height;              // negative: top row first in the file
    uint32_t headerBytes;    // 12, 40, 108, 124
    uint32_t colorsUsed = 0; // 0: all 2^bpp
    bool bitfields = false;  // 32 bpp with masks red=low byte, blue=third byte
};

int Rows(const Layout& l) { return l.height < 0 ? -l.height : l.height; }

uint32_t PaletteSize(const Layout& l)
{
    return l.bpp > 8 ? 0 : (l.colorsUsed ? l.colorsUsed : (1u << l.bpp));
}

// The picture every layout encodes: a palette index, or a colour.
uint32_t IndexAt(const Layout& l, int x, int y) { return uint32_t(x + 2 * y) % PaletteSize(l); }
std::array<uint8_t, 3> PaletteColour(uint32_t i)
{
    return {uint8_t(i * 16 + 1), uint8_t(255 - i * 8), uint8_t(i * 3 + 7)};
}
std::array<uint8_t, 3> ColourAt(int x, int y)
{
    return {uint8_t(x * 40 + 3), uint8_t(y * 50 + 5), uint8_t(x * 7 + y * 11)};
}

std::array<uint8_t, 3> Expect(const Layout& l, int x, int y)
{
    return l.bpp <= 8 ? PaletteColour(IndexAt(l, x, y)) : ColourAt(x, y);
}

Bytes Build(const Layout& l)
{
    const bool core = l.headerBytes == 12;
    const size_t masksAfter = (l.bitfields && l.headerBytes == 40) ? 12 : 0;
    const size_t entryBytes = core ? 3 : 4;
    const size_t paletteBytes = PaletteSize(l) * entryBytes;
    const size_t offBits = 14 + l.headerBytes + masksAfter + paletteBytes;
    const size_t rowBytes = ((size_t(l.width) * l.bpp + 31) / 32) * 4;
    const int rows = Rows(l);
    Bytes b(offBits + rowBytes * rows, 0);

    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, uint32_t(b.size()));
    Put32(b, 10, uint32_t(offBits));
    Put32(b, 14, l.headerBytes);
    if (core) {
        Put16(b, 18, uint32_t(l.width));
        Put16(b, 20, uint32_t(l.height));
        Put16(b, 22, 1);
        Put16(b, 24, l.bpp);
    } else {
        Put32(b, 18, uint32_t(l.width));
        Put32(b, 22, uint32_t(l.height));
        Put16(b, 26, 1);
        Put16(b, 28, l.bpp);
        Put32(b, 30, l.bitfields ? 3 : 0);
        Put32(b, 34, uint32_t(rowBytes * rows));
        Put32(b, 46, l.colorsUsed);
        if (l.bitfields) {
            const size_t m = 14 + 40;
            Put32(b, m, 0x000000FF);
            Put32(b, m + 4, 0x0000FF00);
            Put32(b, m + 8, 0x00FF0000);
        }
    }
    const size_t palette = 14 + l.headerBytes + masksAfter;
    for (uint32_t i = 0; i < PaletteSize(l); ++i) {
        const auto c = PaletteColour(i);
        uint8_t* e = &b[palette + i * entryBytes];
        e[0] = c[2];
        e[1] = c[1];
        e[2] = c[0];
    }
    for (int y = 0; y < rows; ++y) {
        const int fileRow = l.height < 0 ? y : rows - 1 - y;
        uint8_t* row = &b[offBits + size_t(fileRow) * rowBytes];
        for (int x = 0; x < l.width; ++x) {
            if (l.bpp <= 8) {
                const size_t bit = size_t(x) * l.bpp;
                row[bit / 8] |= uint8_t(IndexAt(l, x, y) << (8 - l.bpp - bit % 8));
            } else {
                const auto c = ColourAt(x, y);
                uint8_t* p = row + x * (l.bpp / 8);
                if (l.bitfields) {
                    p[0] = c[0];   // red in the low byte
                    p[1] = c[1];
                    p[2] = c[2];
                } else {
                    p[0] = c[2];
                    p[1] = c[1];
                    p[2] = c[0];
                }
                if (l.bpp == 32)
                    p[3] = 0xAA;   // unused byte; must not leak into the colour
            }
        }
    }
    return b;
}

const Layout kLayouts[] = {
    {"1 bpp, width not a multiple of 8", 1, 9, 3, 40},
    {"4 bpp, odd width", 4, 5, 4, 40},
    {"4 bpp, top-down", 4, 5, -4, 40},
    {"4 bpp, version 5 header", 4, 3, 2, 124},
    {"8 bpp, short palette", 8, 3, 2, 40, 7},
    {"8 bpp, core header", 8, 4, 3, 12},
    {"24 bpp, padded rows", 24, 5, 3, 40},
    {"24 bpp, version 4 header, top-down", 24, 2, -3, 108},
    {"32 bpp", 32, 3, 3, 40},
    {"32 bpp, bit fields after the header", 32, 3, 2, 40, 0, true},
    {"32 bpp, bit fields in a version 5 header", 32, 2, 2, 124, 0, true},
};

TEST(DecodeBmp, EveryLayoutDecodesToItsPixels)
{
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        const Bytes file = Build(l);
        auto b = DecodeBmp(file.data(), file.size());
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->width, l.width);
        EXPECT_EQ(b->height, Rows(l));
        EXPECT_EQ(b->bitsPerPixel, int(l.bpp));
        ASSERT_EQ(b->rgb.size(), size_t(l.width) * Rows(l) * 3);
        for (int y = 0; y < Rows(l); ++y)
            for (int x = 0; x < l.width; ++x) {
                const auto want = Expect(l, x, y);
                const uint8_t* got = &b->rgb[(size_t(y) * l.width + x) * 3];
                ASSERT_EQ(got[0], want[0]) << "red at " << x << "," << y;
                ASSERT_EQ(got[1], want[1]) << "green at " << x << "," << y;
                ASSERT_EQ(got[2], want[2]) << "blue at " << x << "," << y;
            }
    }
}

// Every cut-short file is refused; each prefix sits in a buffer of exactly
// its length, so a read past the end is a sanitizer error.
TEST(DecodeBmp, EveryTruncationIsRejected)
{
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(l.name);
        const Bytes file = Build(l);
        for (size_t n = 0; n < file.size(); ++n) {
            const std::unique_ptr<uint8_t[]> prefix(new uint8_t[n ? n : 1]);
            std::copy(file.begin(), file.begin() + n, prefix.get());
            EXPECT_EQ(DecodeBmp(prefix.get(), n), nullptr) << "length " << n;
        }
    }
}

TEST(DecodeBmp, NullOrEmptyIsRejected)
{
    EXPECT_EQ(DecodeBmp(nullptr, 0), nullptr);
    EXPECT_EQ(DecodeBmp(nullptr, 1000), nullptr);
}

struct Damage {
    const char* name;
    std::function<void(Bytes&)> apply;
};

// A valid 4 bpp 5 x 4 file with one field spoilt.
TEST(DecodeBmp, DamagedHeadersAreRejected)
{
    const Damage kDamages[] = {
        {"wrong magic", [](Bytes& b) { b[1] = 'A'; }},
        {"header size 0", [](Bytes& b) { Put32(b, 14, 0); }},
        {"header size 39", [](Bytes& b) { Put32(b, 14, 39); }},
        {"header size past the file", [](Bytes& b) { Put32(b, 14, 0xFFFFFFF0); }},
        {"width 0", [](Bytes& b) { Put32(b, 18, 0); }},
        {"negative width", [](Bytes& b) { Put32(b, 18, uint32_t(-5)); }},
        {"height 0", [](Bytes& b) { Put32(b, 22, 0); }},
        {"most negative height", [](Bytes& b) { Put32(b, 22, uint32_t(INT32_MIN)); }},
        {"height far beyond the data", [](Bytes& b) { Put32(b, 22, 1000000); }},
        {"width and height at the limit of 32 bits", [](Bytes& b) {
             Put32(b, 18, 0x7FFFFFFF);
             Put32(b, 22, 0x7FFFFFFF);
         }},
        {"two planes", [](Bytes& b) { Put16(b, 26, 2); }},
        {"0 bpp", [](Bytes& b) { Put16(b, 28, 0); }},
        {"2 bpp", [](Bytes& b) { Put16(b, 28, 2); }},
        {"16 bpp", [](Bytes& b) { Put16(b, 28, 16); }},
        {"64 bpp", [](Bytes& b) { Put16(b, 28, 64); }},
        {"run-length 8 compression", [](Bytes& b) { Put32(b, 30, 1); }},
        {"run-length 4 compression", [](Bytes& b) { Put32(b, 30, 2); }},
        {"bit fields on a palette image", [](Bytes& b) { Put32(b, 30, 3); }},
        {"unknown compression", [](Bytes& b) { Put32(b, 30, 0x47504A); }},
        {"more colours than 4 bits can index", [](Bytes& b) { Put32(b, 46, 17); }},
        {"colour count at the limit of 32 bits", [](Bytes& b) { Put32(b, 46, 0xFFFFFFFF); }},
        {"pixel data past the end", [](Bytes& b) { Put32(b, 10, uint32_t(b.size() - 1)); }},
        {"pixel offset at the limit of 32 bits", [](Bytes& b) { Put32(b, 10, 0xFFFFFFFF); }},
    };
    const Bytes good = Build({"good", 4, 5, 4, 40});
    ASSERT_NE(DecodeBmp(good.data(), good.size()), nullptr);
    for (const Damage& d : kDamages) {
        SCOPED_TRACE(d.name);
        Bytes bad = good;
        d.apply(bad);
        EXPECT_EQ(DecodeBmp(bad.data(), bad.size()), nullptr);
    }
}

// Bytes that merely start like a bitmap, and random-looking noise.
TEST(DecodeBmp, GarbageIsRejected)
{
    const std::string texts[] = {"BM", "BMP file", std::string(64, 'B'),
                                 std::string("BM\0\0\0\0\0\0\0\0\0\0\0\0", 14) +
                                     std::string(60, '\xFF')};
    for (const std::string& t : texts) {
        const Bytes b(t.begin(), t.end());
        EXPECT_EQ(DecodeBmp(b.data(), b.size()), nullptr) << t.size() << " bytes";
    }
    Bytes noise(4096);
    uint32_t state = 12345;
    for (uint8_t& v : noise) {
        state = state * 1103515245u + 12345u;
        v = uint8_t(state >> 16);
    }
    noise[0] = 'B';
    noise[1] = 'M';
    EXPECT_EQ(DecodeBmp(noise.data(), noise.size()), nullptr);
}

// An honest file whose sides are absurd is refused even though its pixel
// data is all there (one bit per pixel keeps it small).
TEST(DecodeBmp, AbsurdDimensionsAreRejected)
{
    const Bytes wide = Build({"wide", 1, 1000000, 1, 40});
    EXPECT_EQ(DecodeBmp(wide.data(), wide.size()), nullptr);
    const Bytes tall = Build({"tall", 1, 1, 100000, 40});
    EXPECT_EQ(DecodeBmp(tall.data(), tall.size()), nullptr);
}

// A palette index the palette does not hold gives black, not a stray read.
TEST(DecodeBmp, IndexBeyondShortPaletteIsBlack)
{
    Bytes b = Build({"two colours", 4, 2, 1, 40, 2});
    const size_t offBits = b[10];
    b[offBits] = 0xF1;                     // pixel 0: index 15, pixel 1: index 1
    auto bmp = DecodeBmp(b.data(), b.size());
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(bmp->rgb[0], 0);
    EXPECT_EQ(bmp->rgb[1], 0);
    EXPECT_EQ(bmp->rgb[2], 0);
    const auto c = PaletteColour(1);
    EXPECT_EQ(bmp->rgb[3], c[0]);
    EXPECT_EQ(bmp->rgb[4], c[1]);
    EXPECT_EQ(bmp->rgb[5], c[2]);
}

}  // namespace
