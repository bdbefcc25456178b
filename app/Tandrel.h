// The application object: starts the sockets layer and runs the port list
// window; the program ends when that window closes.
#pragma once

#include "framework/Framework.h"

class CTandrelApp : public CWinApp {
public:
    CTandrelApp();

    // Always FALSE: the port list window is the whole program, so there is no
    // message loop to enter once it has closed.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CTandrelApp theApp;
