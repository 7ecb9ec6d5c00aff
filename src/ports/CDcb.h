// The serial settings record of the port manager: state, names and the Win32 DCB.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CObject.h"
#include "framework/CString.h"
#include "ports/PortTypes.h"

#include <atomic>

class CDcb : public CObject
{
public:
    CDcb();
    CDcb(const CDcb& other);
    CDcb& operator=(const CDcb& other);

    // "Granted" while lent, "OffLine" when closed or lost, else the display name or "Bad Config".
    CString GetCurrentDisplayName() const;
    CString GetPortName() const { return m_strDisplayName; }

    // Written by the owner's and the device-change thread, read by both.
    std::atomic<int> m_iState{PORT_REOPENING};
    int m_iManualRts = 0;
    int m_iManualDtr = 0;
    CString m_strDisplayName = "COM1:";
    CString m_strSymbolicLink;
    CString m_strPreviousLink;
    CString m_strRequestedName;
    DCB m_dcb;
    CString m_strRegistrySection;
    unsigned char m_ucValid = 1;
    unsigned char m_ucOpenSucceeded = 0; // in the pending copy: pending settings are present
};
