// Dialogs built from templates in dialog units. Create makes a modeless
// dialog and runs OnInitDialog before it returns; DoModal runs a modal one
// with its owner disabled until EndDialog. UI thread.
#pragma once

#include <cstdint>

#include "platform/framework/CWnd.h"

typedef intptr_t INT_PTR;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Modeless: FALSE when there is no such template.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // The value given to EndDialog, or -1 when the dialog could not be made.
    virtual INT_PTR DoModal();
    // Modal: ends the loop with nResult. Modeless: hides the window.
    void EndDialog(int nResult);

    // UpdateData(FALSE); TRUE gives the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then EndDialog(IDOK) if that succeeded.
    virtual void OnOK();
    // EndDialog(IDCANCEL).
    virtual void OnCancel();
    // The dialog keyboard interface (Tab, Enter, Esc, Alt+letter).
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnSpecialMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    BOOL CreateFromTemplate(HWND owner);

    bool m_bModal = false;
    bool m_bEnded = false;
    int m_nModalResult = -1;
};
