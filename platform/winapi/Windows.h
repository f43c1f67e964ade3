// The old system's interface as the program's code sees it.
#pragma once

#include "platform/winapi/DialogUnits.h"
#include "platform/winapi/DriveMap.h"
#include "platform/winapi/Format.h"
#include "platform/winapi/GlobalMemory.h"
#include "platform/winapi/PostedQueue.h"
#include "platform/winapi/WinTypes.h"
#include "platform/winapi/Window.h"
#include "platform/winapi/DialogKeys.h"
