// One port of the port directory: its names, the path its port class opens and its factory.
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"
#include "ports/PortTypes.h"

class CPortDetailsEx : public CObject
{
public:
    CPortDetailsEx();
    ~CPortDetailsEx() override;
    CPortDetailsEx(const CPortDetailsEx&) = delete;
    CPortDetailsEx& operator=(const CPortDetailsEx&) = delete;

    CObject* m_pOwned = nullptr; // the CHidInfo of a HID entry
    CString m_strDisplayKey;
    CString m_strDescription;
    CString m_strFriendlyName;
    CString m_strPortName;
    CString m_strDevicePath;
    CString m_strInterfacePath;
    unsigned char m_ucPresent = 0;
    PortFactory m_pfnFactory;
    unsigned int m_uiKindFlags = 1;
};
