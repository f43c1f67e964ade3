#include "platform/framework/CDialog.h"

#include "platform/fltk/Display.h"
#include "platform/framework/CWinApp.h"
#include "platform/winapi/DialogKeys.h"
#include "platform/winapi/DialogUnits.h"
#include "platform/winapi/Resources.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::CreateFromTemplate(HWND owner)
{
    const DialogTemplate* t = FindDialogTemplate(static_cast<int>(m_nIDTemplate));
    if (!t || m_hWnd)
        return FALSE;
    RECT frame{DialogXToPixels(t->x), DialogYToPixels(t->y), DialogXToPixels(t->x) + DialogXToPixels(t->cx),
               DialogYToPixels(t->y) + DialogYToPixels(t->cy)};
    // Shown only after its initialisation, as the template asks.
    HWND dialog = CreateWindowModel("dialog", t->caption ? t->caption : "", t->style & ~WS_VISIBLE,
                                    static_cast<int>(m_nIDTemplate), nullptr, frame);
    dialog->owner = owner;
    for (int i = 0; i < t->itemCount; ++i) {
        const DialogItemTemplate& it = t->items[i];
        int x = DialogXToPixels(it.x), y = DialogYToPixels(it.y);
        RECT r{x, y, x + DialogXToPixels(it.cx), y + DialogYToPixels(it.cy)};
        CreateWindowModel(it.className, it.caption ? it.caption : "", it.style, it.id, dialog, r);
    }
    Attach(dialog);
    TheDisplay().CreateViews(dialog);
    std::shared_ptr<bool> alive = m_alive;
    LRESULT focusDefault = SendMessage(WM_INITDIALOG, 0, 0);
    if (!*alive || !IsWindow(dialog))
        return FALSE;
    if (focusDefault) {
        if (HWND first = FirstTabStop(dialog))
            SetFocus(first);
    }
    return TRUE;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    m_pParentWnd = pParentWnd;
    m_bModal = false;
    const DialogTemplate* t = FindDialogTemplate(static_cast<int>(nIDTemplate));
    HWND owner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    if (!CreateFromTemplate(owner))
        return FALSE;
    if (t && (t->style & WS_VISIBLE))
        ::ShowWindow(m_hWnd, SW_SHOW);
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    CWnd* ownerWnd = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND owner = ownerWnd ? ownerWnd->m_hWnd : nullptr;
    m_bModal = true;
    m_bEnded = false;
    m_nModalResult = -1;
    if (!CreateFromTemplate(owner))
        return -1;
    bool reenable = owner && IsWindowEnabled(owner);
    if (reenable)
        ::EnableWindow(owner, FALSE);
    ::ShowWindow(m_hWnd, SW_SHOW);
    HWND self = m_hWnd;
    RunModalLoop(self, [&] { return m_bEnded || !IsWindow(self); });
    if (reenable && IsWindow(owner))
        ::EnableWindow(owner, TRUE);
    if (IsWindow(self))
        DestroyWindow();
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModal) {
        m_nModalResult = nResult;
        m_bEnded = true;
    } else {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message >= WM_KEYDOWN && msg->message <= WM_SYSKEYUP)
        return IsDialogMessageA(m_hWnd, msg);
    return FALSE;
}

BOOL CDialog::OnSpecialMessage(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    *result = OnInitDialog();
    return TRUE;
}
