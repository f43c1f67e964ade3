// The list box control, attached to a "listbox" window model.
#pragma once

#include "platform/framework/CWnd.h"

class CListBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0)); }
    int GetCurSel() const { return static_cast<int>(SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessageA(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0)); }
    void ResetContent() { SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }
    int Dir(UINT attr, LPCSTR wildCard)
    {
        return static_cast<int>(SendMessageA(m_hWnd, LB_DIR, attr, reinterpret_cast<LPARAM>(wildCard)));
    }
};
