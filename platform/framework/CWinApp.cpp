#include "platform/framework/CWinApp.h"

#include <cstdio>

#include "platform/fltk/Display.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/MessageBox.h"
#include "platform/winapi/PostedQueue.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName) { g_app = this; }

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

BOOL CWinApp::InitInstance() { return TRUE; }
BOOL CWinApp::Enable3dControls() { return TRUE; }

int CWinApp::ExitInstance()
{
    int code = 0;
    QuitRequested(&code);
    return code;
}

BOOL AfxPreTranslateMessage(MSG* msg)
{
    for (HWND h = msg->hwnd; h && IsWindow(h); h = GetParent(h)) {
        CWnd* wnd = CWnd::FromHandlePermanent(h);
        if (wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
    }
    return FALSE;
}

void AfxDrainPostedMessages(bool preTranslate)
{
    MSG msg;
    while (PeekPostedMessage(&msg)) {
        if (!IsWindow(msg.hwnd))
            continue;   // its window went before the message arrived
        if (preTranslate && AfxPreTranslateMessage(&msg))
            continue;
        SendMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    }
}

int CWinApp::Run()
{
    PumpUntil(true, [] { return QuitRequested(); });
    return ExitInstance();
}

int AfxWinMain(int argc, char** argv)
{
    (void)argc;
    (void)argv;   // the program reads no command line
    CWinApp* app = AfxGetApp();
    if (!app) {
        std::fprintf(stderr, "no application object\n");
        return 1;
    }
    if (app->m_pszAppName)
        AfxSetAppTitle(app->m_pszAppName);
    Display& display = TheDisplay();
    if (!display.Open()) {
        std::fprintf(stderr, "%s: cannot open the display: %s\n", static_cast<const char*>(AfxGetAppTitle()),
                     display.LastError().c_str());
        return 2;
    }
    if (!app->InitInstance()) {
        int code = app->ExitInstance();
        return code ? code : 1;
    }
    return app->Run();
}
