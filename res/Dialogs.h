// The program's dialog templates, as data (dialog units).
#pragma once

#include "platform/winapi/Resources.h"

// IDD_MAIN, IDD_ABOUTBOX, IDD_INFO and IDD_CREATE_DIR.
constexpr int kDialogTemplateCount = 4;
extern const DialogTemplate kDialogTemplates[kDialogTemplateCount];
