#include "ports/CPortCom.h"

#include "ports/CPortMan.h"

#include <new>

CPort* CPortCom::Create(CPortMan* pOwner, unsigned char ucPortFlag)
{
    return new (std::nothrow) CPortCom(pOwner, ucPortFlag);
}

bool CPortCom::ApplySettings()
{
    return ApplyDcb(m_pOwner != nullptr ? &m_pOwner->m_dcb : &m_dcb);
}

unsigned long CPortCom::GetRateHint(const CString&)
{
    return 0;
}

bool CPortCom::IsComPort()
{
    return true;
}
