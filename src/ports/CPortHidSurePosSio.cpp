#include "ports/CPortHidSurePosSio.h"

#include "ports/CHidInfo.h"

#include <new>

namespace
{
constexpr ULONG FEATURE_BYTES = 250;
constexpr unsigned int FEATURE_DATA_OFFSET = 3;
constexpr unsigned char DATA_WAITING_BITS = 0x30;
} // namespace

CPort* CPortHidSurePosSio::Create(CPortMan* pOwner, unsigned char ucPortFlag)
{
    return new (std::nothrow) CPortHidSurePosSio(pOwner, ucPortFlag);
}

bool CPortHidSurePosSio::Probe(CHidInfo& info)
{
    USHORT usUsage = info.m_caps.Usage;
    bool bListed = info.m_attributes.VendorID == 0x0536 && info.m_attributes.ProductID == 0x0149;
    bool bUsage = info.m_caps.UsagePage == 0xFF45 &&
                  (usUsage == 0x6400 || usUsage == 0x6500 || usUsage == 0x6800 || usUsage == 0x6900);
    if (!bListed && !bUsage)
        return false;
    info.m_strDisplayName = info.m_strProduct + " SurePosSio - " + info.m_strSerialNumber;
    info.m_uiKindBits = 0x40000;
    info.m_ucKindPending = 0;
    return true;
}

bool CPortHidSurePosSio::ApplySettings()
{
    return true;
}

bool CPortHidSurePosSio::WriteByte(unsigned char ucByte)
{
    const unsigned char abHeader[5] = {0x00, 1 + 4, 0x00, 0x08, 0x00};
    return WriteReport(&ucByte, 1, abHeader, sizeof(abHeader));
}

bool CPortHidSurePosSio::Write(const unsigned char* pBytes, unsigned int uiCount)
{
    return WriteReports(pBytes, uiCount, 5,
                        [this](const unsigned char* pPart, unsigned int uiPart)
                        {
                            const unsigned char abHeader[5] = {0x00, static_cast<unsigned char>(uiPart + 4),
                                                               0x00, 0x08, 0x00};
                            return WriteReport(pPart, uiPart, abHeader, sizeof(abHeader));
                        });
}

// A status report: byte 1 of each 3-byte group tells whether data waits in the feature report.
void CPortHidSurePosSio::OnReceived(unsigned char* pBytes, unsigned int uiCount)
{
    if (uiCount < 3)
        return;
    unsigned char ucStatus = pBytes[1];
    if (uiCount > 3 && uiCount % 3 == 0)
    {
        for (unsigned int i = 0; i + 1 < uiCount; i += 3)
            ucStatus |= pBytes[i + 1];
    }
    if ((ucStatus & DATA_WAITING_BITS) != 0)
        ReadFeatureData();
}

bool CPortHidSurePosSio::GetFeatureReport(unsigned char* pReport, ULONG ulLength)
{
    return HidD_GetFeature(m_hPort, pReport, ulLength) != FALSE;
}

// Byte 1 minus 2 counts the bytes from byte 3, bounded by the 247 that follow it.
void CPortHidSurePosSio::ReadFeatureData()
{
    unsigned char abReport[FEATURE_BYTES + 1] = {};
    GetFeatureReport(abReport, FEATURE_BYTES);
    int iData = static_cast<int>(abReport[1]) - 2;
    if (iData <= 0)
        return;
    unsigned int uiData = static_cast<unsigned int>(iData);
    if (uiData > FEATURE_BYTES - FEATURE_DATA_OFFSET)
        uiData = FEATURE_BYTES - FEATURE_DATA_OFFSET;
    unsigned char* pData = abReport + FEATURE_DATA_OFFSET;
    if (m_pDataCallback == nullptr || m_uiChunkSize == 0)
    {
        Deliver(pData, uiData);
        return;
    }
    for (unsigned int uiDone = 0; uiDone < uiData;)
    {
        unsigned int uiPart = uiData - uiDone < m_uiChunkSize ? uiData - uiDone : m_uiChunkSize;
        Deliver(pData + uiDone, uiPart);
        uiDone += uiPart;
    }
}
