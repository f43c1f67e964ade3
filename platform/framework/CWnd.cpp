#include "platform/framework/CWnd.h"

#include "platform/framework/CFile.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/DataExchange.h"
#include "platform/framework/MessageBox.h"
#include "platform/winapi/PostedQueue.h"

CWnd::~CWnd()
{
    *m_alive = false;
    // An object going before its window leaves the window to its built-in behaviour.
    if (m_hWnd && IsWindow(m_hWnd) && m_hWnd->target == this)
        m_hWnd->target = nullptr;
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSig_end, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CWnd::Attach(HWND hwnd)
{
    if (!IsWindow(hwnd) || m_hWnd)
        return FALSE;
    m_hWnd = hwnd;
    hwnd->target = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    if (h && IsWindow(h) && h->target == this)
        h->target = nullptr;
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent)
        return FALSE;
    return Attach(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return nullptr;
    return dynamic_cast<CWnd*>(hwnd->target);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return PostMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
HWND CWnd::GetDlgItemHandle(int id) const { return ::GetDlgItem(m_hWnd, id); }
void CWnd::SetWindowText(LPCSTR text) { SendMessageA(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

CString CWnd::GetWindowText() const
{
    CString s;
    int n = static_cast<int>(SendMessageA(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
    SendMessageA(m_hWnd, WM_GETTEXT, static_cast<WPARAM>(n + 1), reinterpret_cast<LPARAM>(s.GetBuffer(n + 1)));
    s.ReleaseBuffer(-1);
    return s;
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}
void CWnd::PostNcDestroy() {}
BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
BOOL CWnd::OnSpecialMessage(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::Default() { return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam); }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::OnDestroy() { Default(); }

void CWnd::OnNcDestroy()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    Detach();
    PostNcDestroy();
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const UINT code = message == WM_COMMAND ? HIWORD(wParam) : 0;
    const int id = message == WM_COMMAND ? static_cast<short>(LOWORD(wParam)) : 0;
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->sig != AfxSig_end; ++e) {
            if (e->message != message || (message == WM_COMMAND && (e->code != code || e->id != id)))
                continue;
            if (e->sig == AfxSig_vv) {
                (this->*e->pfn)();
                *result = 0;
            } else {
                *result = (this->*e->pfnLwl)(wParam, lParam);
            }
            return true;
        }
    }
    return false;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<bool> alive = m_alive;
    MSG saved = m_currentMsg;
    m_currentMsg = MSG{m_hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = 0;
    try {
        if (message == WM_NCDESTROY) {
            OnNcDestroy();   // may delete this
            return 0;
        }
        if (!OnSpecialMessage(message, wParam, lParam, &result) && !Dispatch(message, wParam, lParam, &result))
            result = DefWindowProc(message, wParam, lParam);
    } catch (CFileException* e) {
        // A file error that leaves a handler is shown, and the program goes on.
        AfxMessageBox(e->GetErrorMessage(), MB_OK, 0);
        e->Delete();
    } catch (CException* e) {
        AfxMessageBox("An unexpected error ended the command.", MB_OK, 0);
        e->Delete();
    }
    if (*alive)
        m_currentMsg = saved;
    return result;
}
