// wsprintfA: the old system's small printf. Integers follow its sizes:
// "%u", "%d", "%x" take 32 bits and so does "%lu" (long was 32 bits there).
// Writes at most 1024 bytes including the NUL, like the original.
#pragma once

#include "platform/winapi/WinTypes.h"

int wsprintfA(LPSTR buffer, LPCSTR format, ...);
