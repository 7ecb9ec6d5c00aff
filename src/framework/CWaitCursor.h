// Shows the wait cursor for its lifetime and restores the previous cursor when it ends.
#pragma once

#include "framework/AfxWin32.h"

class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_hOldCursor;
};
