#include "platform/winapi/Resources.h"

namespace {
const ResourceTable* g_table = nullptr;
}

void RegisterResources(const ResourceTable* table) { g_table = table; }

const DialogTemplate* FindDialogTemplate(int id)
{
    if (!g_table)
        return nullptr;
    for (int i = 0; i < g_table->dialogCount; ++i)
        if (g_table->dialogs[i].id == id)
            return &g_table->dialogs[i];
    return nullptr;
}

const BitmapResource* FindBitmapResource(int id)
{
    if (!g_table)
        return nullptr;
    for (int i = 0; i < g_table->bitmapCount; ++i)
        if (g_table->bitmaps[i].id == id)
            return &g_table->bitmaps[i];
    return nullptr;
}

int MainIconId() { return g_table ? g_table->mainIconId : 0; }
