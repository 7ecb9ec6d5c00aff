#include "ports/CPortHidPos.h"

#include "ports/CHidInfo.h"

#include <new>

namespace
{
struct VendorProduct
{
    USHORT usVendor;
    USHORT usProduct;
};
constexpr VendorProduct POS_DEVICES[] = {{0x0536, 0x0107}, {0x0536, 0x0127}, {0, 0}};

bool IsListed(const VendorProduct* pTable, const HIDD_ATTRIBUTES& attributes)
{
    for (; pTable->usVendor != 0; ++pTable)
    {
        if (pTable->usVendor == attributes.VendorID && pTable->usProduct == attributes.ProductID)
            return true;
    }
    return false;
}
} // namespace

CPortHidPos::~CPortHidPos()
{
    CPortHidPos::Close(false);
}

CPort* CPortHidPos::Create(CPortMan* pOwner, unsigned char ucPortFlag)
{
    return new (std::nothrow) CPortHidPos(pOwner, ucPortFlag);
}

bool CPortHidPos::Probe(CHidInfo& info)
{
    bool bMatch = (IsListed(POS_DEVICES, info.m_attributes) && info.HasPosLinkCollection()) ||
                  (info.m_caps.UsagePage == 0x8C && info.m_caps.Usage == 2 && info.HasPosLinkCollection());
    if (!bMatch)
        return false;
    bool bUseString2 = info.m_strProduct.Find("HID POS") >= 0 && !info.m_strIndexedString2.IsEmpty();
    CString strName = (bUseString2 ? info.m_strIndexedString2 : info.m_strProduct) + " HidPos";
    if (!info.m_strInterfaceNumber.IsEmpty())
        strName += " " + info.m_strInterfaceNumber;
    info.m_strDisplayName = strName + " - " + info.m_strSerialNumber;
    info.m_uiKindBits = 0x10000;
    info.m_ucKindPending = 0;
    return true;
}

bool CPortHidPos::Open(const CString& strDevicePath, const DCB* pDcb, CPortDataCallback* pDataCallback,
                       unsigned int uiBufferSize, CPortEventCallback* pEventCallback,
                       unsigned long ulEventMask)
{
    bool bOpen =
        CPortHidBase::Open(strDevicePath, pDcb, pDataCallback, uiBufferSize, pEventCallback, ulEventMask);
    if (bOpen)
        SetEnable(1);
    return bOpen;
}

bool CPortHidPos::ApplySettings()
{
    SetEnable(1);
    return true;
}

// A removed device is not switched off: nothing could receive the report.
bool CPortHidPos::Close(bool bLost)
{
    if (!bLost && IsOpen())
        SetEnable(0);
    return CPortHidBase::Close(bLost);
}

bool CPortHidPos::SetEnable(unsigned char ucValue)
{
    if (!IsOpen())
        return true;
    unsigned char abReport[64] = {0xFE, ucValue};
    if (HidD_SetFeature(m_hPort, abReport, 2))
    {
        abReport[1] = 0xFF;
        HidD_GetFeature(m_hPort, abReport, 2);
    }
    return true;
}

bool CPortHidPos::WriteByte(unsigned char ucByte)
{
    const unsigned char abHeader[2] = {0xFD, 1};
    return WriteReport(&ucByte, 1, abHeader, sizeof(abHeader));
}

bool CPortHidPos::Write(const unsigned char* pBytes, unsigned int uiCount)
{
    return WriteReports(pBytes, uiCount, 2,
                        [this](const unsigned char* pPart, unsigned int uiPart)
                        {
                            const unsigned char abHeader[2] = {0xFD, static_cast<unsigned char>(uiPart)};
                            return WriteReport(pPart, uiPart, abHeader, sizeof(abHeader));
                        });
}

// Byte 1 counts the bytes from byte 5, bounded by the report.
void CPortHidPos::OnReceived(unsigned char* pBytes, unsigned int uiCount)
{
    if (uiCount < 5)
        return;
    unsigned int uiData = pBytes[1];
    Deliver(pBytes + 5, uiData < uiCount - 5 ? uiData : uiCount - 5);
}
