#include "platform/framework/DataExchange.h"

#include "platform/framework/CWnd.h"

void DDX_Text(CDataExchange* pDX, int idc, CString& value)
{
    HWND control = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, idc);
    if (!control)
        return;
    if (pDX->m_bSaveAndValidate) {
        int n = static_cast<int>(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
        SendMessageA(control, WM_GETTEXT, static_cast<WPARAM>(n + 1), reinterpret_cast<LPARAM>(value.GetBuffer(n + 1)));
        value.ReleaseBuffer(-1);
    } else {
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<const char*>(value)));
    }
}

void DDX_Control(CDataExchange* pDX, int idc, CWnd& control)
{
    if (control.m_hWnd)
        return;
    control.SubclassDlgItem(static_cast<UINT>(idc), pDX->m_pDlgWnd);
}
