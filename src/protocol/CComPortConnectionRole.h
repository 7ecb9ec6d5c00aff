// The sensor-connection page's port list as the sensor engine sees it: one row per entry of the port
// table, in table order. The page attaches itself with CComPort::COM_AttachConnection when it
// registers with the main frame and detaches when it is destroyed; without it the engine talks to an
// object of this class, a list without rows. Every call runs on the user-interface thread.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CComPortConnectionRole
{
public:
    virtual ~CComPortConnectionRole() = default;

    // Rebuilds the list from the port table; iTakeOver 1 (a search: the engine has taken the previous
    // scan's search flags over) shows every row as being searched, 0 in its stored state.
    virtual void Connection_FillPortList(int /*iTakeOver*/) {}
    // Refill: window update locked and all rows deleted, rows set one by one, then unlocked.
    virtual void Connection_BeginRefill() {}
    virtual void Connection_SetPortRow(const CString& /*strListText*/, int /*iRow*/, int /*iState*/,
                                       ULONG /*ulSerialNo*/)
    {
    }
    virtual void Connection_EndRefill() {}
    virtual int Connection_GetRowCount() { return 0; }
    virtual CString Connection_GetCellText(int /*iRow*/, int /*iColumn*/) { return CString(); }
    virtual void Connection_SetCellText(int /*iRow*/, int /*iColumn*/, const CString& /*strText*/) {}
    virtual void Connection_ResetListMarks() {}
    virtual void Connection_ClearBaudChangePending() {}
};
