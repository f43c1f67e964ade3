// Data exchange between a dialog's members and its controls.
#pragma once

#include "platform/framework/CString.h"
#include "platform/winapi/WinTypes.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}
    BOOL m_bSaveAndValidate;   // TRUE: controls to members
    CWnd* m_pDlgWnd;
};

// Moves text between the control and the member, in the direction asked.
void DDX_Text(CDataExchange* pDX, int idc, CString& value);
// Attaches the control object to the control the first time; nothing after.
void DDX_Control(CDataExchange* pDX, int idc, CWnd& control);
