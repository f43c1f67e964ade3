#include <gtest/gtest.h>

#include "platform/winapi/DriveMap.h"

class DriveMapTest : public ::testing::Test {
protected:
    void SetUp() override { DriveMap::Install({{'c', "/srv/c"}, {'d', "/media/usb"}, {'e', "/media/usb/inner"}}); }
    void TearDown() override { DriveMap::Install(DriveMap::SystemTable()); }
};

TEST_F(DriveMapTest, TranslatesDrivePathsToPosix)
{
    const DriveMap& m = DriveMap::Current();
    struct Case {
        const char* drive;
        const char* posix;   // nullptr: no translation
    } cases[] = {
        {"c:\\", "/srv/c/"},
        {"c:\\sub\\x.wav", "/srv/c/sub/x.wav"},
        {"C:\\Sub\\X.WAV", "/srv/c/Sub/X.WAV"},   // the letter's case does not matter, the names' does
        {"d:\\kick 01.wav", "/media/usb/kick 01.wav"},
        {"c:", "/srv/c"},
        {"c:\\a/b", "/srv/c/a/b"},
        {"z:\\x", nullptr},   // no such drive
        {"c:x.wav", nullptr}, // relative to a current folder we do not keep
        {"\\x.wav", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        auto got = m.ToPosix(c.drive);
        if (c.posix) {
            ASSERT_TRUE(got.has_value()) << c.drive;
            EXPECT_EQ(*got, c.posix) << c.drive;
        } else {
            EXPECT_FALSE(got.has_value()) << c.drive;
        }
    }
}

TEST_F(DriveMapTest, TranslatesPosixPathsBackThroughTheLongestRoot)
{
    const DriveMap& m = DriveMap::Current();
    struct Case {
        const char* posix;
        const char* drive;
    } cases[] = {
        {"/srv/c", "c:\\"},
        {"/srv/c/sub/x.wav", "c:\\sub\\x.wav"},
        {"/media/usb/a", "d:\\a"},
        {"/media/usb/inner/a", "e:\\a"},
        {"/media/usbstick", nullptr},       // a prefix of the name is not a root
        {"/srv/c/back\\slash", nullptr},    // could not be written as a drive path
        {"relative", nullptr},
    };
    for (const Case& c : cases) {
        auto got = m.ToDrivePath(c.posix);
        if (c.drive) {
            ASSERT_TRUE(got.has_value()) << c.posix;
            EXPECT_EQ(*got, c.drive) << c.posix;
        } else {
            EXPECT_FALSE(got.has_value()) << c.posix;
        }
    }
}

TEST(DriveMapSystem, RootIsDriveCAndLettersFollowInOrder)
{
    auto table = DriveMap::SystemTable();
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table[0].letter, 'c');
    EXPECT_EQ(table[0].root, "");
    for (size_t i = 1; i < table.size(); ++i) {
        EXPECT_EQ(table[i].letter, static_cast<char>('c' + i));
        EXPECT_LT(table[i - 1].root, table[i].root);
    }
    DriveMap::Install(table);
    EXPECT_EQ(*DriveMap::Current().ToPosix("c:\\usr\\share"), "/usr/share");
}

TEST(DriveMapNames, OnlyNamesThatSurviveTheRoundTrip)
{
    EXPECT_TRUE(DriveMap::IsDriveName("drum.wav"));
    EXPECT_TRUE(DriveMap::IsDriveName("..."));
    EXPECT_TRUE(DriveMap::IsDriveName("caf\xC3\xA9 \x01.wav"));
    EXPECT_FALSE(DriveMap::IsDriveName("a\\b.wav"));
    EXPECT_FALSE(DriveMap::IsDriveName("ends in colon:"));
    EXPECT_FALSE(DriveMap::IsDriveName(""));
}
