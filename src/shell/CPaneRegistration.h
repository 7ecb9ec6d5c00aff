// The registration of a pane with the main frame: posted once, on the pane's first update.
#pragma once

#include "framework/AfxWin32.h"

class CWnd;

class CPaneRegistration
{
public:
    // Posts nMessage with the pane and the panes' value 222 to the main window while bPending is set,
    // then clears it; nothing while there is no main window.
    static void PostOnce(CWnd* pPane, UINT nMessage, bool& bPending);
};
