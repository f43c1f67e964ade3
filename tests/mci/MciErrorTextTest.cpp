#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "platform/mci/Mci.h"

namespace {

const MCIERROR kCodes[] = {
    MCIERR_INVALID_DEVICE_ID, MCIERR_UNRECOGNIZED_KEYWORD, MCIERR_UNRECOGNIZED_COMMAND, MCIERR_HARDWARE,
    MCIERR_INVALID_DEVICE_NAME, MCIERR_OUT_OF_MEMORY, MCIERR_DEVICE_OPEN, MCIERR_CANNOT_LOAD_DRIVER,
    MCIERR_MISSING_COMMAND_STRING, MCIERR_BAD_INTEGER, MCIERR_MISSING_PARAMETER, MCIERR_UNSUPPORTED_FUNCTION,
    MCIERR_FILE_NOT_FOUND, MCIERR_DEVICE_NOT_READY, MCIERR_INTERNAL, MCIERR_OUTOFRANGE, MCIERR_DUPLICATE_ALIAS,
    MCIERR_FILE_READ, MCIERR_PARAM_OVERFLOW, MCIERR_NO_WINDOW, MCIERR_FILENAME_REQUIRED, MCIERR_INVALID_FILE,
    MCIERR_DEVICE_NOT_INSTALLED, MCIERR_MISSING_DEVICE_NAME, MCIERR_WAVE_OUTPUTSUNSUITABLE,
    MCIERR_WAVE_OUTPUTUNSPECIFIED,
};

TEST(MciErrorText, EveryCodeHasATextOfItsOwnThatFitsTheCallersBuffer)
{
    std::set<std::string> seen;
    for (MCIERROR code : kCodes) {
        SCOPED_TRACE(code);
        char text[256];
        std::memset(text, 'x', sizeof text);
        EXPECT_EQ(mciGetErrorStringA(code, text, sizeof text), TRUE);
        size_t n = strnlen(text, sizeof text);
        ASSERT_LT(n, sizeof text);
        EXPECT_GT(n, 10u);
        EXPECT_TRUE(seen.insert(text).second) << "shared text: " << text;
    }
}

TEST(MciErrorText, TheTextsThatReachTheUserSayWhatHappened)
{
    struct Case { MCIERROR code; const char* words; };
    const Case cases[] = {
        {MCIERR_DEVICE_NOT_INSTALLED, "audio output"},
        {MCIERR_INVALID_FILE, "not a waveform-audio file"},
        {MCIERR_FILE_NOT_FOUND, "cannot be found"},
        {MCIERR_INVALID_DEVICE_NAME, "No device is open"},
        {MCIERR_DUPLICATE_ALIAS, "already in use"},
    };
    for (const Case& c : cases) {
        char text[256];
        mciGetErrorStringA(c.code, text, sizeof text);
        EXPECT_NE(std::string(text).find(c.words), std::string::npos) << text;
    }
}

TEST(MciErrorText, AnUnknownCodeIsNamedByItsNumber)
{
    char text[256];
    EXPECT_EQ(mciGetErrorStringA(31337, text, sizeof text), FALSE);
    EXPECT_NE(std::string(text).find("31337"), std::string::npos) << text;
}

TEST(MciErrorText, ShortBuffersGetACutTextEndedByNul)
{
    char text[8];
    std::memset(text, 'x', sizeof text);
    mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, text, sizeof text);
    EXPECT_EQ(std::strlen(text), 7u);
    EXPECT_EQ(mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, nullptr, 0), FALSE);
    char one[1] = {'x'};
    mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, one, 1);
    EXPECT_EQ(one[0], '\0');
}

} // namespace
