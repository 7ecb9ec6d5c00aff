#include "ports/CPortHidSurePosFlash.h"

#include "ports/CHidInfo.h"

#include <new>

CPort* CPortHidSurePosFlash::Create(CPortMan* pOwner, unsigned char ucPortFlag)
{
    return new (std::nothrow) CPortHidSurePosFlash(pOwner, ucPortFlag);
}

bool CPortHidSurePosFlash::Probe(CHidInfo& info)
{
    if (info.m_caps.UsagePage != 0xFF45 || info.m_caps.Usage != 0xA000)
        return false;
    bool bUseString2 = info.m_strProduct.Find("Usage =") >= 0 && !info.m_strIndexedString2.IsEmpty();
    info.m_strDisplayName = (bUseString2 ? info.m_strIndexedString2 : info.m_strProduct) +
                            " SurePosFlash - " + info.m_strSerialNumber;
    info.m_ucKindPending = 0;
    return true;
}

bool CPortHidSurePosFlash::ApplySettings()
{
    return true;
}

bool CPortHidSurePosFlash::WriteByte(unsigned char)
{
    return false;
}

bool CPortHidSurePosFlash::Write(const unsigned char* pBytes, unsigned int uiCount)
{
    return WriteRaw(pBytes, uiCount);
}

void CPortHidSurePosFlash::OnReceived(unsigned char* pBytes, unsigned int uiCount)
{
    Deliver(pBytes, uiCount);
}
