#include "ports/CHidInfo.h"

#include <vector>

CHidInfo::CHidInfo()
{
    Reset();
}

CHidInfo::~CHidInfo()
{
    FreePreparsedData();
}

void CHidInfo::Reset()
{
    FreePreparsedData();
    m_attributes = {};
    m_attributes.Size = sizeof(HIDD_ATTRIBUTES);
    m_caps = {};
    m_ucCapsValid = 0;
    m_ucAttributesValid = 0;
    m_strSerialNumber.Empty();
    m_strProduct.Empty();
    m_strDisplayName.Empty();
    m_strInterfaceNumber.Empty();
    m_strIndexedString2.Empty();
    m_ucKindPending = 1;
    m_uiKindBits = 0;
}

void CHidInfo::FreePreparsedData()
{
    if (m_pPreparsedData != nullptr)
        HidD_FreePreparsedData(m_pPreparsedData);
    m_pPreparsedData = nullptr;
}

bool CHidInfo::Init(HANDLE hDevice)
{
    Reset();
    m_ucAttributesValid = HidD_GetAttributes(hDevice, &m_attributes) ? 1 : 0;
    if (!HidD_GetPreparsedData(hDevice, &m_pPreparsedData))
    {
        m_pPreparsedData = nullptr;
        return false;
    }
    m_ucCapsValid = HidP_GetCaps(m_pPreparsedData, &m_caps) == HIDP_STATUS_SUCCESS ? 1 : 0;
    return m_ucCapsValid != 0;
}

bool CHidInfo::HasPosLinkCollection() const
{
    if (m_pPreparsedData == nullptr)
        return true;
    ULONG ulCount = m_caps.NumberLinkCollectionNodes;
    if (ulCount == 0)
        return false;
    std::vector<HIDP_LINK_COLLECTION_NODE> aNodes(ulCount);
    if (HidP_GetLinkCollectionNodes(aNodes.data(), &ulCount, m_pPreparsedData) != HIDP_STATUS_SUCCESS)
        return false;
    for (ULONG i = 0; i < ulCount && i < aNodes.size(); ++i)
    {
        if (aNodes[i].LinkUsagePage == 0xFF66 && aNodes[i].LinkUsage == 1)
            return true;
    }
    return false;
}
