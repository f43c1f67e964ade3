// The program's bitmaps and its icon, each the bytes of a whole .bmp file.
// The definition is generated at build time from res/bitmaps/*.bmp.
#pragma once

#include "platform/winapi/Resources.h"

// Fourteen button and logo images and the icon IDR_MAINFRAME.
constexpr int kBitmapResourceCount = 15;
extern const BitmapResource kBitmapResources[kBitmapResourceCount];
