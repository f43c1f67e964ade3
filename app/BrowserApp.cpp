#include "app/BrowserApp.h"

#include <cstdio>

#include "platform/framework/MessageBox.h"
#include "res/BrisolaResources.h"
#include "ui/BrowserDlg.h"

CBrowserApp theApp;

CBrowserApp::CBrowserApp() : CWinApp(nullptr) {}
CBrowserApp::~CBrowserApp() = default;

BOOL CBrowserApp::InitInstance()
{
    Enable3dControls();
    CBrowserDlg* dlg = new CBrowserDlg(nullptr);
    if (!dlg->m_hWnd) {
        // Going on would show and use a window that does not exist.
        std::fprintf(stderr, "%s: the main window could not be created\n", static_cast<const char*>(AfxGetAppTitle()));
        delete dlg;
        return FALSE;
    }
    m_pMainWnd = dlg;
    dlg->ShowWindow(m_nCmdShow);
    return TRUE;
}

int BrisolaMain(int argc, char** argv)
{
    InstallBrisolaResources();
    return AfxWinMain(argc, argv);
}
