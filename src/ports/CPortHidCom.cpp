#include "ports/CPortHidCom.h"

#include "ports/CHidInfo.h"

#include <new>

CPort* CPortHidCom::Create(CPortMan* pOwner, unsigned char ucPortFlag)
{
    return new (std::nothrow) CPortHidCom(pOwner, ucPortFlag);
}

bool CPortHidCom::Probe(CHidInfo& info)
{
    if (info.m_caps.UsagePage != 0xFFA0 || info.m_caps.Usage != 1)
        return false;
    info.m_strDisplayName = info.m_strProduct + " HidCom - " + info.m_strSerialNumber;
    info.m_uiKindBits = 0x20000;
    info.m_ucKindPending = 0;
    return true;
}

bool CPortHidCom::ApplySettings()
{
    return true;
}

bool CPortHidCom::WriteByte(unsigned char ucByte)
{
    const unsigned char abHeader[3] = {0x00, 0x30, 1};
    return WriteReport(&ucByte, 1, abHeader, sizeof(abHeader));
}

bool CPortHidCom::Write(const unsigned char* pBytes, unsigned int uiCount)
{
    return WriteReports(
        pBytes, uiCount, 4,
        [this](const unsigned char* pPart, unsigned int uiPart)
        {
            const unsigned char abHeader[3] = {0x00, 0x30, static_cast<unsigned char>(uiPart)};
            return WriteReport(pPart, uiPart, abHeader, sizeof(abHeader));
        });
}

// Byte 2 counts the bytes from byte 3, bounded by the report.
void CPortHidCom::OnReceived(unsigned char* pBytes, unsigned int uiCount)
{
    if (uiCount < 3)
        return;
    unsigned int uiData = pBytes[2];
    Deliver(pBytes + 3, uiData < uiCount - 3 ? uiData : uiCount - 3);
}
