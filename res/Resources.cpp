#include "res/BrisolaResources.h"

#include "platform/winapi/Resources.h"
#include "res/Bitmaps.h"
#include "res/Dialogs.h"

void InstallBrisolaResources()
{
    static const ResourceTable table = {kDialogTemplates, kDialogTemplateCount,
                                        kBitmapResources, kBitmapResourceCount};
    RegisterResources(&table);
}
