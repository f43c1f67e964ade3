// The application: creates the main dialog as its main window and lives
// as long as that window.
#pragma once

#include "platform/framework/CWinApp.h"

class CBrowserApp : public CWinApp {
public:
    CBrowserApp();
    ~CBrowserApp() override;
    BOOL InitInstance() override;
};

// The one application object.
extern CBrowserApp theApp;

// The process entry: resources, then the framework's main routine.
int BrisolaMain(int argc, char** argv);
