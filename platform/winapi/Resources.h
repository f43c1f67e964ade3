// The program's resources: dialog templates (as data) and bitmaps (BMP
// file bytes) built into the executable. The resource folder registers its
// table once at start-up; the framework looks items up by id.
#pragma once

#include <cstddef>
#include <string>

#include "platform/winapi/WinTypes.h"

struct DialogItemTemplate {
    int id;
    const char* className;   // "button", "listbox", "edit", "static"
    const char* caption;     // nullptr: none
    DWORD style;
    int x, y, cx, cy;        // dialog units
};

struct DialogTemplate {
    int id;
    const char* caption;
    DWORD style;
    int x, y, cx, cy;        // dialog units
    int pointSize;
    const char* fontName;
    const DialogItemTemplate* items;
    int itemCount;
};

struct BitmapResource {
    int id;
    const unsigned char* bytes;   // a whole .bmp file
    size_t size;
};

struct ResourceTable {
    const DialogTemplate* dialogs;
    int dialogCount;
    const BitmapResource* bitmaps;   // icons are stored as bitmaps too
    int bitmapCount;
    int mainIconId;                  // the application's icon, among the bitmaps
};

// Replaces the registered table (the table must outlive its use).
void RegisterResources(const ResourceTable* table);
// nullptr when there is no such template.
const DialogTemplate* FindDialogTemplate(int id);
// nullptr when there is no such bitmap.
const BitmapResource* FindBitmapResource(int id);
// The application's icon (the windows' icon), or 0.
int MainIconId();
