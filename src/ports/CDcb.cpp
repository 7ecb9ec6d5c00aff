#include "ports/CDcb.h"

CDcb::CDcb() : m_dcb{}
{
    m_dcb.DCBlength = sizeof(DCB);
    m_dcb.BaudRate = 9600;
    m_dcb.fParity = 1;
    m_dcb.fDtrControl = DTR_CONTROL_ENABLE;
    m_dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    m_dcb.ByteSize = 8;
    m_dcb.Parity = NOPARITY;
    m_dcb.StopBits = ONESTOPBIT;
}

CDcb::CDcb(const CDcb& other) : CObject(other)
{
    *this = other;
}

CDcb& CDcb::operator=(const CDcb& other)
{
    m_iState = other.m_iState.load();
    m_iManualRts = other.m_iManualRts;
    m_iManualDtr = other.m_iManualDtr;
    m_strDisplayName = other.m_strDisplayName;
    m_strSymbolicLink = other.m_strSymbolicLink;
    m_strPreviousLink = other.m_strPreviousLink;
    m_strRequestedName = other.m_strRequestedName;
    m_dcb = other.m_dcb;
    m_strRegistrySection = other.m_strRegistrySection;
    m_ucValid = other.m_ucValid;
    m_ucOpenSucceeded = other.m_ucOpenSucceeded;
    return *this;
}

CString CDcb::GetCurrentDisplayName() const
{
    switch (m_iState)
    {
        case PORT_GRANTED:
            return "Granted";
        case PORT_CLOSED:
        case PORT_LOST:
            return "OffLine";
        default:
            return m_ucOpenSucceeded != 0 ? m_strDisplayName : CString("Bad Config");
    }
}
