#include "res/BrisolaResources.h"
#include "res/resource.h"

#include "platform/winapi/Resources.h"
#include "res/Bitmaps.h"
#include "res/Dialogs.h"

void InstallBrisolaResources()
{
    static const ResourceTable table = {kDialogTemplates, kDialogTemplateCount,
                                        kBitmapResources, kBitmapResourceCount, IDR_MAINFRAME};
    RegisterResources(&table);
}
