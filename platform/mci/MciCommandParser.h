// Turns a command string into an MciCommand. Pure text work: no device is
// touched, so every error of the command's shape is found here.
#pragma once

#include <cstdint>
#include <string>

#include "platform/mci/Mci.h"

struct MciCommand {
    enum class Verb { Open, Play, Stop, Pause, Resume, Close, Status };
    enum class StatusItem { None, Mode, Position, Length };

    Verb verb = Verb::Open;
    std::string alias;            // as written; the table compares it without case
    std::string file;             // open: everything between "!" and the last " alias "
    bool hasFrom = false;         // play: "from <n>" was given
    uint64_t fromMs = 0;          // play: start position in milliseconds
    bool notify = false;          // "notify" was given
    StatusItem item = StatusItem::None;
};

class MciCommandParser {
public:
    // 0 and *out filled, or the error code of the first fault found.
    // Verbs and keywords are matched without case; the file is kept as is.
    static MCIERROR Parse(const std::string& text, MciCommand* out);

    // Largest accepted "from" value, about 49 days: beyond it the number is
    // refused as a bad integer rather than wrapping.
    static constexpr uint64_t kMaxFromMs = 0xFFFFFFFFull;
};
