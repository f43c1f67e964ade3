// The built-in images: all present, 16-colour, of the sizes the buttons are
// laid out for, drawn in the standard VGA colours, and each pushed key
// distinguishable from its released one.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "platform/winapi/Bitmap.h"
#include "platform/winapi/Resources.h"
#include "res/BrisolaResources.h"
#include "res/resource.h"

namespace {

struct Image {
    int id;
    const char* name;
    int width, height;
};

const Image kImages[] = {
    {IDB_STOP_UP, "IDB_STOP_UP", 40, 30},
    {IDB_STOP_DOWN, "IDB_STOP_DOWN", 40, 30},
    {IDB_PLAY_UP, "IDB_PLAY_UP", 40, 30},
    {IDB_PLAY_DOWN, "IDB_PLAY_DOWN", 40, 30},
    {IDB_CONTINUE_UP, "IDB_CONTINUE_UP", 40, 30},
    {IDB_CONTINUE_DOWN, "IDB_CONTINUE_DOWN", 40, 30},
    {IDB_LOGO, "IDB_LOGO", 157, 95},
    {IDB_STOP_UP_SMALL, "IDB_STOP_UP_SMALL", 31, 23},
    {IDB_STOP_DOWN_SMALL, "IDB_STOP_DOWN_SMALL", 31, 23},
    {IDB_PLAY_UP_SMALL, "IDB_PLAY_UP_SMALL", 31, 23},
    {IDB_PLAY_DOWN_SMALL, "IDB_PLAY_DOWN_SMALL", 31, 23},
    {IDB_CONTINUE_UP_SMALL, "IDB_CONTINUE_UP_SMALL", 31, 23},
    {IDB_CONTINUE_DOWN_SMALL, "IDB_CONTINUE_DOWN_SMALL", 31, 23},
    {IDB_LOGO_SMALL, "IDB_LOGO_SMALL", 126, 81},
    {IDR_MAINFRAME, "IDR_MAINFRAME", 32, 32},
};

struct Key {
    int released, pushed;
    const char* name;
};

const Key kKeys[] = {
    {IDB_STOP_UP, IDB_STOP_DOWN, "Stop"},
    {IDB_PLAY_UP, IDB_PLAY_DOWN, "Play"},
    {IDB_CONTINUE_UP, IDB_CONTINUE_DOWN, "Continue"},
    {IDB_STOP_UP_SMALL, IDB_STOP_DOWN_SMALL, "Stop small"},
    {IDB_PLAY_UP_SMALL, IDB_PLAY_DOWN_SMALL, "Play small"},
    {IDB_CONTINUE_UP_SMALL, IDB_CONTINUE_DOWN_SMALL, "Continue small"},
};

using Rgb = std::array<uint8_t, 3>;

Rgb At(const Bitmap& b, int x, int y)
{
    const size_t i = (size_t(y) * b.width + x) * 3;
    return {b.rgb[i], b.rgb[i + 1], b.rgb[i + 2]};
}

class BitmapResources : public ::testing::Test {
protected:
    void SetUp() override { InstallBrisolaResources(); }
};

TEST_F(BitmapResources, EveryImageDecodesAt4BitsWithItsSize)
{
    for (const Image& im : kImages) {
        SCOPED_TRACE(im.name);
        ASSERT_NE(FindBitmapResource(im.id), nullptr);
        auto b = LoadBitmapResource(im.id);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->bitsPerPixel, 4);
        EXPECT_EQ(b->width, im.width);
        EXPECT_EQ(b->height, im.height);
        EXPECT_EQ(b->rgb.size(), size_t(im.width) * im.height * 3);
    }
}

TEST_F(BitmapResources, OnlyStandardSixteenColours)
{
    const std::set<Rgb> vga = {
        {0x00, 0x00, 0x00}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x00}, {0x80, 0x80, 0x00},
        {0x00, 0x00, 0x80}, {0x80, 0x00, 0x80}, {0x00, 0x80, 0x80}, {0xC0, 0xC0, 0xC0},
        {0x80, 0x80, 0x80}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0xFF, 0xFF, 0x00},
        {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF},
    };
    for (const Image& im : kImages) {
        SCOPED_TRACE(im.name);
        auto b = LoadBitmapResource(im.id);
        ASSERT_NE(b, nullptr);
        for (int y = 0; y < b->height; ++y)
            for (int x = 0; x < b->width; ++x)
                ASSERT_TRUE(vga.count(At(*b, x, y))) << "pixel " << x << "," << y;
    }
}

TEST_F(BitmapResources, PushedKeyDiffersFromReleasedOnLightGray)
{
    const Rgb lightGray = {0xC0, 0xC0, 0xC0};
    for (const Key& k : kKeys) {
        SCOPED_TRACE(k.name);
        auto up = LoadBitmapResource(k.released);
        auto down = LoadBitmapResource(k.pushed);
        ASSERT_NE(up, nullptr);
        ASSERT_NE(down, nullptr);
        ASSERT_EQ(up->width, down->width);
        ASSERT_EQ(up->height, down->height);
        EXPECT_NE(up->rgb, down->rgb);
        // Inside the bevel, away from the symbol, both keys show the face.
        EXPECT_EQ(At(*up, 4, up->height / 2), lightGray);
        EXPECT_EQ(At(*down, 4, down->height / 2), lightGray);
    }
}

// Each key carries a different symbol.
TEST_F(BitmapResources, KeysOfOneSetDiffer)
{
    for (size_t i = 0; i < std::size(kKeys); ++i)
        for (size_t j = i + 1; j < std::size(kKeys); ++j) {
            auto a = LoadBitmapResource(kKeys[i].released);
            auto b = LoadBitmapResource(kKeys[j].released);
            ASSERT_NE(a, nullptr);
            ASSERT_NE(b, nullptr);
            if (a->width == b->width) {
                EXPECT_NE(a->rgb, b->rgb) << kKeys[i].name << " vs " << kKeys[j].name;
            }
        }
}

TEST_F(BitmapResources, UnknownIdIsAbsent)
{
    EXPECT_EQ(FindBitmapResource(IDD_MAIN), nullptr);   // a dialog, not a bitmap
    EXPECT_EQ(LoadBitmapResource(0), nullptr);
}

}  // namespace
