// The application object: one static instance of a class derived from
// CWinApp. AfxWinMain calls its InitInstance, runs the message loop until a
// quit request, then returns what ExitInstance returns. UI thread.
#pragma once

#include "platform/framework/CObject.h"
#include "platform/winapi/WinTypes.h"

class CWnd;

class CWinApp : public CObject {
public:
    explicit CWinApp(LPCSTR appName = nullptr);
    ~CWinApp() override;

    // Start-up work; FALSE ends the program before the loop.
    virtual BOOL InitInstance();
    // The message loop: every message goes through PreTranslateMessage of
    // its window and its parents first; ends at WM_QUIT.
    virtual int Run();
    // After the loop; returns the quit code.
    virtual int ExitInstance();
    // Nothing to load here: the toolkit draws its own 3-D controls.
    BOOL Enable3dControls();

    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWDEFAULT;
    LPCSTR m_pszAppName = nullptr;

protected:
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// The framework's main routine: display, InitInstance, Run, exit code.
int AfxWinMain(int argc, char** argv);

// Offers msg to the pre-translation of its window and that window's
// parents; TRUE when one consumed it. The main loop calls it; modal loops
// do not.
BOOL AfxPreTranslateMessage(MSG* msg);
// Handles every posted message that is waiting. With preTranslate, each is
// first offered to AfxPreTranslateMessage (the main loop).
void AfxDrainPostedMessages(bool preTranslate);
