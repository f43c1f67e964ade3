#include <gtest/gtest.h>

#include "platform/mci/MciCommandParser.h"

namespace {

using Verb = MciCommand::Verb;
using Item = MciCommand::StatusItem;

struct Parsed {
    const char* text;
    Verb verb;
    const char* alias;
    const char* file;
    bool hasFrom;
    uint64_t fromMs;
    bool notify;
    Item item;
};

const Parsed kWellFormed[] = {
    {"open waveaudio!c:\\samples\\drum.wav alias sample", Verb::Open, "sample", "c:\\samples\\drum.wav", false, 0, false, Item::None},
    {"open waveaudio!c:\\My Samples\\kick 01.wav alias sample", Verb::Open, "sample", "c:\\My Samples\\kick 01.wav", false, 0, false, Item::None},
    // The file ends at the last " alias ", however often the word occurs in it.
    {"open waveaudio!c:\\x alias y\\z alias q.wav alias sample", Verb::Open, "sample", "c:\\x alias y\\z alias q.wav", false, 0, false, Item::None},
    {"OPEN WaveAudio!C:\\Loud.WAV ALIAS Sample", Verb::Open, "Sample", "C:\\Loud.WAV", false, 0, false, Item::None},
    {"open waveaudio!c:\\ends in blank .wav alias s", Verb::Open, "s", "c:\\ends in blank .wav", false, 0, false, Item::None},
    {"play sample from 0 notify", Verb::Play, "sample", "", true, 0, true, Item::None},
    {"play sample notify from 1500", Verb::Play, "sample", "", true, 1500, true, Item::None},
    {"play sample notify", Verb::Play, "sample", "", false, 0, true, Item::None},
    {"  play \t sample   from  7  ", Verb::Play, "sample", "", true, 7, false, Item::None},
    {"stop sample", Verb::Stop, "sample", "", false, 0, false, Item::None},
    {"pause sample", Verb::Pause, "sample", "", false, 0, false, Item::None},
    {"resume sample notify", Verb::Resume, "sample", "", false, 0, true, Item::None},
    {"close sample", Verb::Close, "sample", "", false, 0, false, Item::None},
    {"status sample mode", Verb::Status, "sample", "", false, 0, false, Item::Mode},
    {"Status sample Position", Verb::Status, "sample", "", false, 0, false, Item::Position},
    {"status sample length", Verb::Status, "sample", "", false, 0, false, Item::Length},
};

TEST(MciCommandParser, ReadsEveryCommandTheProgramAndTestsSend)
{
    for (const Parsed& p : kWellFormed) {
        SCOPED_TRACE(p.text);
        MciCommand cmd;
        ASSERT_EQ(MciCommandParser::Parse(p.text, &cmd), 0u);
        EXPECT_EQ(cmd.verb, p.verb);
        EXPECT_EQ(cmd.alias, p.alias);
        EXPECT_EQ(cmd.file, p.file);
        EXPECT_EQ(cmd.hasFrom, p.hasFrom);
        EXPECT_EQ(cmd.fromMs, p.fromMs);
        EXPECT_EQ(cmd.notify, p.notify);
        EXPECT_EQ(cmd.item, p.item);
    }
}

struct Refused {
    const char* text;
    MCIERROR code;
};

const Refused kRefused[] = {
    {"", MCIERR_MISSING_COMMAND_STRING},
    {"   ", MCIERR_MISSING_COMMAND_STRING},
    {"rewind sample", MCIERR_UNRECOGNIZED_COMMAND},
    {"open", MCIERR_MISSING_DEVICE_NAME},
    {"open waveaudio alias sample", MCIERR_FILENAME_REQUIRED},
    {"open waveaudio! alias sample", MCIERR_FILENAME_REQUIRED},
    {"open cdaudio!c:\\a.wav alias sample", MCIERR_CANNOT_LOAD_DRIVER},
    {"open c:\\a.wav alias sample", MCIERR_CANNOT_LOAD_DRIVER},
    {"open waveaudio!c:\\a.wav", MCIERR_MISSING_PARAMETER},
    {"open waveaudio!c:\\a.wav alias", MCIERR_MISSING_PARAMETER},
    {"open waveaudio!c:\\a.wav alias sample shareable", MCIERR_UNRECOGNIZED_KEYWORD},
    {"play", MCIERR_MISSING_DEVICE_NAME},
    {"play sample from", MCIERR_MISSING_PARAMETER},
    {"play sample from ten", MCIERR_BAD_INTEGER},
    {"play sample from -1", MCIERR_BAD_INTEGER},
    {"play sample from 99999999999", MCIERR_BAD_INTEGER},
    {"play sample to 500", MCIERR_UNRECOGNIZED_KEYWORD},
    {"play sample wait", MCIERR_UNRECOGNIZED_KEYWORD},
    {"stop sample from 0", MCIERR_UNRECOGNIZED_KEYWORD},
    {"close", MCIERR_MISSING_DEVICE_NAME},
    {"status sample", MCIERR_MISSING_PARAMETER},
    {"status sample volume", MCIERR_UNRECOGNIZED_KEYWORD},
    {"status sample mode now", MCIERR_UNRECOGNIZED_KEYWORD},
};

TEST(MciCommandParser, RefusesEachFaultWithItsOwnCode)
{
    for (const Refused& r : kRefused) {
        SCOPED_TRACE(r.text);
        MciCommand cmd;
        EXPECT_EQ(MciCommandParser::Parse(r.text, &cmd), r.code);
    }
}

} // namespace
