#include "platform/mci/Mci.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/mci/MciCommandParser.h"
#include "platform/mci/MciDeviceTable.h"

namespace {

struct ErrorText {
    MCIERROR code;
    const char* text;
};

// Our own wording: what went wrong, and where it helps, what to do.
constexpr ErrorText kErrorTexts[] = {
    {0, "The command was carried out."},
    {MCIERR_INVALID_DEVICE_ID, "The device id is not one of an open device."},
    {MCIERR_UNRECOGNIZED_KEYWORD, "The command holds a word the device does not understand."},
    {MCIERR_UNRECOGNIZED_COMMAND, "The device does not know this command."},
    {MCIERR_HARDWARE, "The audio output reported a fault."},
    {MCIERR_INVALID_DEVICE_NAME, "No device is open under this name."},
    {MCIERR_OUT_OF_MEMORY, "There is not enough memory to carry out the command."},
    {MCIERR_DEVICE_OPEN, "The device is already open."},
    {MCIERR_CANNOT_LOAD_DRIVER, "Only waveaudio devices can be opened."},
    {MCIERR_MISSING_COMMAND_STRING, "The command is empty."},
    {MCIERR_BAD_INTEGER, "A number in the command is not a whole number the device accepts."},
    {MCIERR_MISSING_PARAMETER, "The command lacks a value it needs (an alias, a position or a status item)."},
    {MCIERR_UNSUPPORTED_FUNCTION, "The device cannot do this."},
    {MCIERR_FILE_NOT_FOUND, "The sound file cannot be found."},
    {MCIERR_DEVICE_NOT_READY, "The device is not ready."},
    {MCIERR_INTERNAL, "The device met an internal fault."},
    {MCIERR_OUTOFRANGE, "The position lies beyond the end of the sound."},
    {MCIERR_DUPLICATE_ALIAS, "This alias is already in use by an open device."},
    {MCIERR_FILE_READ, "The sound file cannot be read."},
    {MCIERR_PARAM_OVERFLOW, "The answer does not fit into the buffer given for it."},
    {MCIERR_NO_WINDOW, "There is no window to send the notice to."},
    {MCIERR_FILENAME_REQUIRED, "The open command names no sound file."},
    {MCIERR_INVALID_FILE, "This is not a waveform-audio file the device can play."},
    {MCIERR_DEVICE_NOT_INSTALLED, "No audio output is available: no sound server or sound card could be opened."},
    {MCIERR_MISSING_DEVICE_NAME, "The command names no device."},
    {MCIERR_WAVE_OUTPUTSUNSUITABLE, "The audio output cannot play sound in this format."},
    {MCIERR_WAVE_OUTPUTUNSPECIFIED, "No audio output is chosen."},
};

std::atomic<MciHandler*>& HandlerSlot()
{
    static std::atomic<MciHandler*> handler{nullptr};
    return handler;
}

MCIERROR Dispatch(LPCSTR command, LPSTR returnString, UINT returnLength, HWND callback)
{
    if (returnString && returnLength > 0)
        returnString[0] = '\0';
    if (!command)
        return MCIERR_MISSING_COMMAND_STRING;
    MciCommand parsed;
    MCIERROR err = MciCommandParser::Parse(command, &parsed);
    if (err)
        return err;
    return MciDeviceTable::Instance().Execute(parsed, returnString, returnLength, callback);
}

} // namespace

MCIERROR mciSendStringA(LPCSTR command, LPSTR returnString, UINT returnLength, HWND callback)
{
    if (MciHandler* handler = HandlerSlot().load())
        return handler->SendString(command, returnString, returnLength, callback);
    // The callers are written without exceptions; none may cross this line.
    try {
        return Dispatch(command, returnString, returnLength, callback);
    } catch (const std::bad_alloc&) {
        return MCIERR_OUT_OF_MEMORY;
    } catch (...) {
        return MCIERR_INTERNAL;
    }
}

BOOL mciGetErrorStringA(MCIERROR error, LPSTR buffer, UINT length)
{
    if (!buffer || length == 0)
        return FALSE;
    char unknown[64];
    const char* text = nullptr;
    for (const ErrorText& e : kErrorTexts)
        if (e.code == error)
            text = e.text;
    if (!text) {
        std::snprintf(unknown, sizeof unknown, "Unknown media-control error %lu.", static_cast<unsigned long>(error));
        text = unknown;
    }
    size_t n = std::strlen(text);
    if (n > length - 1)
        n = length - 1;
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
    return text == unknown ? FALSE : TRUE;
}

MciHandler* SetMciHandler(MciHandler* handler)
{
    return HandlerSlot().exchange(handler);
}
