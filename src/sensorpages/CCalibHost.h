// What the calibration page and its message dialogs need of the main frame besides the page host: the
// wait cursor, the focus helper of the edit fields and the trace window. The main frame implements
// it; the page takes it from its page host. User-interface thread only.
#pragma once

#include "framework/CString.h"

class CWnd;

class CCalibHost
{
public:
    virtual ~CCalibHost() = default;

    virtual void BeginWaitCursorOnce() = 0;
    virtual void EndWaitCursorOnce() = 0;
    // The frame's wait cursor is on (the reading dialogs keep it while they are open).
    virtual bool IsWaitCursorOn() = 0;
    // Gives the edit the focus, selects its text and scrolls the caret into view.
    virtual void FocusEditSelectAll(CWnd* pEdit) = 0;
    // One line in the trace window.
    virtual void AddTraceLine(const CString& strLine) = 0;
};
