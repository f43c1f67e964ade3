// Makes the program's dialog templates, bitmaps and icon known to the
// platform (FindDialogTemplate, FindBitmapResource). Call once at start-up,
// before the first window is created; calling again is harmless.
#pragma once

void InstallBrisolaResources();
