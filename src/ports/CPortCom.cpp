#include "ports/CPortCom.h"

#include <new>

CPort* CPortCom::Create(CPortMan* pOwner, unsigned char ucPortFlag)
{
    return new (std::nothrow) CPortCom(pOwner, ucPortFlag);
}

// The settings are those the port manager passed to Open: its record as it stood at the open request.
bool CPortCom::ApplySettings()
{
    const DCB dcb = m_dcb;
    return ApplyDcb(&dcb);
}

unsigned long CPortCom::GetRateHint(const CString&)
{
    return 0;
}

bool CPortCom::IsComPort()
{
    return true;
}
