// The port the sensor engine talks through when it is not the port manager: a stand-in that tests
// give the engine (CComPort::COM_SetLine) to play sensors on ports of their own.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CComboBox;

class CComPortLine
{
public:
    virtual ~CComPortLine() = default;

    // Lists the port keys of the line's ports into the combo box, after emptying it.
    virtual void FillPortCombo(CComboBox* pComboBox) = 0;
    // Opens the port of strKey at lBaudrate, 8 data bits, no parity, one stop bit.
    virtual bool Open(const CString& strKey, LONG lBaudrate) = 0;
    virtual bool Close() = 0;
    virtual bool Write(const CString& strBytes) = 0;
    // The key of the open port, or the engine's closed-port text when none is open.
    virtual CString GetDisplayName() = 0;
    virtual LONG GetBaudrate() = 0;
};
