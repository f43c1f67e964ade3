// CWnd: a C++ object attached to a window model. Messages sent to the
// window reach WindowProc, which looks them up in the message maps of the
// class and its bases (most derived first) and otherwise hands them to the
// window's built-in behaviour. UI thread only.
#pragma once

#include <memory>

#include "platform/framework/CObject.h"
#include "platform/framework/CString.h"
#include "platform/winapi/Window.h"

class CWnd;
class CDataExchange;

typedef void (CWnd::*AFX_PMSG)();
typedef LRESULT (CWnd::*AFX_PMSGLWL)(WPARAM, LPARAM);

enum AfxSig {
    AfxSig_end = 0,
    AfxSig_vv,    // void ()
    AfxSig_lwl,   // LRESULT (WPARAM, LPARAM)
};

struct AFX_MSGMAP_ENTRY {
    UINT message;
    UINT code;     // WM_COMMAND: notification code
    int id;        // WM_COMMAND: control id
    AfxSig sig;
    AFX_PMSG pfn;          // AfxSig_vv
    AFX_PMSGLWL pfnLwl;    // AfxSig_lwl
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                                  \
protected:                                                     \
    static const AFX_MSGMAP* GetThisMessageMap();              \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                           \
    {                                                                         \
        typedef theClass ThisClass;                                           \
        typedef baseClass TheBaseClass;                                       \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                     \
    {0, 0, 0, AfxSig_end, nullptr, nullptr}                                   \
    };                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                       \
    }

#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::OnDestroy), nullptr},
#define ON_COMMAND(id, memberFxn) {WM_COMMAND, 0, (id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
#define ON_CONTROL(code, id, memberFxn) {WM_COMMAND, (code), (id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_MESSAGE(message, memberFxn) \
    {(message), 0, 0, AfxSig_lwl, nullptr, static_cast<AFX_PMSGLWL>(&ThisClass::memberFxn)},

class CWnd : public CObject, public MessageTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Binds this object to an existing window and takes over its messages.
    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // The object attached to hwnd, or nullptr.
    static CWnd* FromHandlePermanent(HWND hwnd);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL ShowWindow(int cmd);
    BOOL EnableWindow(BOOL enable = TRUE);
    HWND GetDlgItemHandle(int id) const;
    void SetWindowText(LPCSTR text);
    CString GetWindowText() const;
    int GetDlgCtrlID() const;

    // Exchanges data between the members and the controls; FALSE when a
    // value failed validation.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Destroys the window: WM_DESTROY, the controls, WM_NCDESTROY, then
    // PostNcDestroy, all before it returns.
    virtual BOOL DestroyWindow();
    // Offered every message of the main loop before it is dispatched;
    // nonzero consumes it. Default: consumes nothing.
    virtual BOOL PreTranslateMessage(MSG* msg);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The member-control exchange table. Default: nothing.
    virtual void DoDataExchange(CDataExchange* pDX);
    // Runs after the window is gone. Default: nothing.
    virtual void PostNcDestroy();
    // Handled before the maps: WM_INITDIALOG and the like. Default: FALSE.
    virtual BOOL OnSpecialMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The default processing of the message being handled.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnDestroy();

private:
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void OnNcDestroy();

    MSG m_currentMsg{};

protected:
    // Cleared by the destructor: a handler may delete its own object.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
