// The media-control interface: command strings to the waveform-audio
// device, error texts, and the completion notice. UI thread for commands;
// the notice arrives as MM_MCINOTIFY through the posted-message queue
// (platform/winapi/PostedQueue.h), with MCI_NOTIFY_* in wParam and the
// device id in lParam.
#pragma once

#include "platform/winapi/WinTypes.h"

typedef DWORD MCIERROR;

// Error codes: each failure has its own, and its own text.
constexpr MCIERROR MCIERR_BASE = 256;
constexpr MCIERROR MCIERR_INVALID_DEVICE_ID = MCIERR_BASE + 1;
constexpr MCIERROR MCIERR_UNRECOGNIZED_KEYWORD = MCIERR_BASE + 3;
constexpr MCIERROR MCIERR_UNRECOGNIZED_COMMAND = MCIERR_BASE + 5;
constexpr MCIERROR MCIERR_HARDWARE = MCIERR_BASE + 6;
constexpr MCIERROR MCIERR_INVALID_DEVICE_NAME = MCIERR_BASE + 7;
constexpr MCIERROR MCIERR_OUT_OF_MEMORY = MCIERR_BASE + 8;
constexpr MCIERROR MCIERR_DEVICE_OPEN = MCIERR_BASE + 9;
constexpr MCIERROR MCIERR_CANNOT_LOAD_DRIVER = MCIERR_BASE + 10;
constexpr MCIERROR MCIERR_MISSING_COMMAND_STRING = MCIERR_BASE + 11;
constexpr MCIERROR MCIERR_BAD_INTEGER = MCIERR_BASE + 14;
constexpr MCIERROR MCIERR_MISSING_PARAMETER = MCIERR_BASE + 17;
constexpr MCIERROR MCIERR_UNSUPPORTED_FUNCTION = MCIERR_BASE + 18;
constexpr MCIERROR MCIERR_FILE_NOT_FOUND = MCIERR_BASE + 19;
constexpr MCIERROR MCIERR_DEVICE_NOT_READY = MCIERR_BASE + 20;
constexpr MCIERROR MCIERR_INTERNAL = MCIERR_BASE + 21;
constexpr MCIERROR MCIERR_OUTOFRANGE = MCIERR_BASE + 26;
constexpr MCIERROR MCIERR_DUPLICATE_ALIAS = MCIERR_BASE + 33;
constexpr MCIERROR MCIERR_FILE_READ = MCIERR_BASE + 36;
constexpr MCIERROR MCIERR_PARAM_OVERFLOW = MCIERR_BASE + 43;
constexpr MCIERROR MCIERR_NO_WINDOW = MCIERR_BASE + 46;
constexpr MCIERROR MCIERR_FILENAME_REQUIRED = MCIERR_BASE + 48;
constexpr MCIERROR MCIERR_INVALID_FILE = MCIERR_BASE + 49;
constexpr MCIERROR MCIERR_DEVICE_NOT_INSTALLED = MCIERR_BASE + 50;
constexpr MCIERROR MCIERR_MISSING_DEVICE_NAME = MCIERR_BASE + 57;
constexpr MCIERROR MCIERR_WAVE_OUTPUTSUNSUITABLE = MCIERR_BASE + 66;
constexpr MCIERROR MCIERR_WAVE_OUTPUTUNSPECIFIED = MCIERR_BASE + 68;

// Sends a command such as "open waveaudio!c:\x.wav alias sample",
// "play sample from 0 notify", "stop sample", "close sample",
// "status sample mode". Returns 0 or an error code. returnString receives
// the answer of "status" (returnLength bytes at most, NUL included); callback
// is the window that gets MM_MCINOTIFY for "notify".
MCIERROR mciSendStringA(LPCSTR command, LPSTR returnString, UINT returnLength, HWND callback);
// The text for an error code, at most length bytes with the NUL (never more
// than 256). FALSE for a code we do not know (the text then names it).
BOOL mciGetErrorStringA(MCIERROR error, LPSTR buffer, UINT length);

// Stands in for the whole interface (tests that need to see the exact
// command strings or make a command fail). nullptr restores the real one.
class MciHandler {
public:
    virtual ~MciHandler() = default;
    virtual MCIERROR SendString(LPCSTR command, LPSTR returnString, UINT returnLength, HWND callback) = 0;
};
// Returns the handler it replaces.
MciHandler* SetMciHandler(MciHandler* handler);
