#include "platform/mci/MciCommandParser.h"

#include <cctype>
#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::string> SplitBlanks(const std::string& s)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && IsBlank(s[i]))
            ++i;
        size_t start = i;
        while (i < s.size() && !IsBlank(s[i]))
            ++i;
        if (i > start)
            words.push_back(s.substr(start, i - start));
    }
    return words;
}

bool ParseMs(const std::string& word, uint64_t* ms)
{
    if (word.empty() || word.size() > 10)
        return false;
    uint64_t v = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<uint64_t>(c - '0');
    }
    if (v > MciCommandParser::kMaxFromMs)
        return false;
    *ms = v;
    return true;
}

// "open waveaudio!<file> alias <name>": the file may hold blanks and even the
// word alias, so it ends at the last " alias ".
MCIERROR ParseOpen(const std::string& rest, MciCommand* cmd)
{
    if (rest.empty())
        return MCIERR_MISSING_DEVICE_NAME;
    const std::string lower = Lower(rest);
    static const std::string kAlias = " alias ";
    std::string element, aliasPart;
    bool hasAlias = true;
    size_t at = lower.rfind(kAlias);
    if (at != std::string::npos) {
        element = rest.substr(0, at);
        aliasPart = rest.substr(at + kAlias.size());
    } else if (lower.size() >= kAlias.size() - 1 &&
               lower.compare(lower.size() - (kAlias.size() - 1), kAlias.size() - 1, " alias") == 0) {
        element = rest.substr(0, rest.size() - (kAlias.size() - 1));
    } else {
        element = rest;
        hasAlias = false;
    }

    size_t bang = element.find('!');
    std::string type = Lower(element.substr(0, bang));
    while (!type.empty() && IsBlank(type.back()))
        type.pop_back();
    if (type != "waveaudio")
        return MCIERR_CANNOT_LOAD_DRIVER;
    if (bang == std::string::npos || bang + 1 == element.size())
        return MCIERR_FILENAME_REQUIRED;
    cmd->file = element.substr(bang + 1);

    if (!hasAlias)
        return MCIERR_MISSING_PARAMETER;
    std::vector<std::string> words = SplitBlanks(aliasPart);
    if (words.empty())
        return MCIERR_MISSING_PARAMETER;
    if (words.size() > 1)
        return MCIERR_UNRECOGNIZED_KEYWORD;
    cmd->alias = words[0];
    return 0;
}

} // namespace

MCIERROR MciCommandParser::Parse(const std::string& text, MciCommand* out)
{
    MciCommand cmd;
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    size_t verbEnd = i;
    while (verbEnd < text.size() && !IsBlank(text[verbEnd]))
        ++verbEnd;
    if (verbEnd == i)
        return MCIERR_MISSING_COMMAND_STRING;
    const std::string verb = Lower(text.substr(i, verbEnd - i));

    if (verb == "open") {
        size_t restStart = verbEnd;
        while (restStart < text.size() && IsBlank(text[restStart]))
            ++restStart;
        std::string rest = text.substr(restStart);
        while (!rest.empty() && (rest.back() == '\r' || rest.back() == '\n'))
            rest.pop_back();
        cmd.verb = MciCommand::Verb::Open;
        MCIERROR err = ParseOpen(rest, &cmd);
        if (err)
            return err;
        *out = cmd;
        return 0;
    }

    if (verb == "play")
        cmd.verb = MciCommand::Verb::Play;
    else if (verb == "stop")
        cmd.verb = MciCommand::Verb::Stop;
    else if (verb == "pause")
        cmd.verb = MciCommand::Verb::Pause;
    else if (verb == "resume")
        cmd.verb = MciCommand::Verb::Resume;
    else if (verb == "close")
        cmd.verb = MciCommand::Verb::Close;
    else if (verb == "status")
        cmd.verb = MciCommand::Verb::Status;
    else
        return MCIERR_UNRECOGNIZED_COMMAND;

    std::vector<std::string> words = SplitBlanks(text.substr(verbEnd));
    if (words.empty())
        return MCIERR_MISSING_DEVICE_NAME;
    cmd.alias = words[0];

    if (cmd.verb == MciCommand::Verb::Status) {
        if (words.size() < 2)
            return MCIERR_MISSING_PARAMETER;
        const std::string item = Lower(words[1]);
        if (item == "mode")
            cmd.item = MciCommand::StatusItem::Mode;
        else if (item == "position")
            cmd.item = MciCommand::StatusItem::Position;
        else if (item == "length")
            cmd.item = MciCommand::StatusItem::Length;
        else
            return MCIERR_UNRECOGNIZED_KEYWORD;
        if (words.size() > 2)
            return MCIERR_UNRECOGNIZED_KEYWORD;
        *out = cmd;
        return 0;
    }

    for (size_t w = 1; w < words.size(); ++w) {
        const std::string word = Lower(words[w]);
        if (word == "notify") {
            cmd.notify = true;
        } else if (word == "from" && cmd.verb == MciCommand::Verb::Play) {
            if (w + 1 >= words.size())
                return MCIERR_MISSING_PARAMETER;
            if (!ParseMs(words[++w], &cmd.fromMs))
                return MCIERR_BAD_INTEGER;
            cmd.hasFrom = true;
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }
    *out = cmd;
    return 0;
}
