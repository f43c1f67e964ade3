#include <gtest/gtest.h>

#include <cstring>

#include "platform/framework/CString.h"
#include "platform/winapi/Format.h"
#include "platform/winapi/GlobalMemory.h"

TEST(CString, CutsByLengthAndClampsOutOfRange)
{
    const CString s("c:\\sub\\*.wav");
    struct Case {
        CString got;
        const char* want;
    } cases[] = {
        {s.Left(s.GetLength() - 5), "c:\\sub\\"},
        {s.Left(s.GetLength() - 3) + "*", "c:\\sub\\*.*"},
        {s.Right(5), "*.wav"},
        {s.Mid(3), "sub\\*.wav"},
        {s.Mid(3, 3), "sub"},
        {s.Left(-2), ""},
        {s.Left(99), "c:\\sub\\*.wav"},
        {s.Right(99), "c:\\sub\\*.wav"},
        {s.Mid(99), ""},
        {CString("ab").Left(0), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want);
    EXPECT_EQ(s.ReverseFind('\\'), 6);
    EXPECT_EQ(CString("none").ReverseFind('\\'), -1);
}

TEST(CString, ComparesExactlyByBytes)
{
    EXPECT_TRUE(CString("..\\") == "..\\");
    EXPECT_FALSE(CString("Drum.wav") == "drum.wav");
    EXPECT_TRUE(CString("a") != CString("a "));
    EXPECT_EQ(CString("\xC3\xA9").GetLength(), 2);   // bytes, not characters
}

TEST(CString, BufferReleaseTakesLengthUpToFirstNul)
{
    CString s;
    char* p = s.GetBuffer(256);
    std::strcpy(p, "device busy");
    s.ReleaseBuffer(-1);
    EXPECT_EQ(s, "device busy");
    EXPECT_EQ(s.GetLength(), 11);

    CString untouched;
    untouched.GetBuffer(256);
    untouched.ReleaseBuffer(-1);
    EXPECT_TRUE(untouched.IsEmpty());
}

TEST(Wsprintf, FormatsTheInfoTextsWithThirtyTwoBitIntegers)
{
    struct Case {
        const char* format;
        uint32_t value;
        const char* want;
    } cases[] = {
        {"%u Hz", 44100, "44100 Hz"},
        {"%u Hz", 0, "0 Hz"},
        {"%u Hz", 65535, "65535 Hz"},
        {"%lu", 4294967295u, "4294967295"},
        {"%lu", 0, "0"},
        {"%u Bit", 16, "16 Bit"},
        {"%u", 7, "7"},
        {"%05u", 42, "00042"},
        {"%-4u|", 42, "42  |"},
        {"%x", 0xBEEF, "beef"},
    };
    for (const Case& c : cases) {
        char buffer[20];
        int n = wsprintfA(buffer, c.format, c.value);
        EXPECT_STREQ(buffer, c.want) << c.format;
        EXPECT_EQ(n, static_cast<int>(std::strlen(c.want)));
    }
    char buffer[32];
    wsprintfA(buffer, "%d/%s/%c/%%", -12, "x", 'y');
    EXPECT_STREQ(buffer, "-12/x/y/%");
}

TEST(GlobalMemory, LockGivesTheBlockAndFreeReleasesIt)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 128000);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 128000u);
    auto* p = static_cast<unsigned char*>(GlobalLock(h));
    ASSERT_NE(p, nullptr);
    p[0] = 1;
    p[127999] = 2;   // the whole block is ours
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalLock(h), nullptr);   // a freed handle gives nothing
    EXPECT_EQ(GlobalFree(h), h);
}
