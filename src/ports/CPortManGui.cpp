#include "ports/CPortManGui.h"

#include "framework/CComboBox.h"
#include "ports/CPortDirectory.h"
#include "ports/PortTexts.h"
#include "ports/PortEnumeration.h"

namespace
{
struct BaudText
{
    DWORD dwRate;
    UINT uiId;
};

// The rate texts are string-table entries (English in every language), searched in this order.
constexpr BaudText BAUD_TEXTS[] = {
    {110, IDS_BAUD_110},       {300, IDS_BAUD_300},       {600, IDS_BAUD_600},
    {1200, IDS_BAUD_1200},     {2400, IDS_BAUD_2400},     {4800, IDS_BAUD_4800},
    {7200, IDS_BAUD_7200},     {9600, IDS_BAUD_9600},     {14400, IDS_BAUD_14400},
    {19200, IDS_BAUD_19200},   {38400, IDS_BAUD_38400},   {57600, IDS_BAUD_57600},
    {115200, IDS_BAUD_115200}, {230400, IDS_BAUD_230400}, {460800, IDS_BAUD_460800},
    {921600, IDS_BAUD_921600}, {125000, IDS_BAUD_125000}, {172800, IDS_BAUD_172800},
    {250000, IDS_BAUD_250000}, {256000, IDS_BAUD_256000}, {500000, IDS_BAUD_500000}};
} // namespace

CPortManGui::CPortManGui(HWND hOwner, UINT uiEventMessage, UINT uiDataMessage, bool bOwnDeviceChangeThread,
                         unsigned char ucPortFlag)
    : CPortMan(hOwner, uiEventMessage, uiDataMessage, bOwnDeviceChangeThread, ucPortFlag)
{
}

void CPortManGui::FillPortCombo(CComboBox* pComboBox, const CString& strName, bool bClearFirst)
{
    if (pComboBox == nullptr || pComboBox->GetSafeHwnd() == nullptr)
        return;
    EnumerateAllPorts();
    CPortDirectory& directory = GetPortDirectory();
    FillPortComboList(directory, pComboBox, bClearFirst);
    CString strDisplayName = directory.GetDisplayName(strName);
    // An empty text is the start of every item; Wine's CB_FINDSTRING finds none for it.
    int iIndex = strDisplayName.IsEmpty() ? 0 : pComboBox->FindString(-1, strDisplayName);
    pComboBox->SetCurSel(iIndex);
}

void CPortManGui::FillPortComboList(CPortDirectory& directory, CComboBox* pComboBox, bool bClearFirst)
{
    if (bClearFirst)
        pComboBox->ResetContent();
    CStringArray astrKeys;
    directory.GetListedKeys(astrKeys);
    for (int i = 0; i < astrKeys.GetSize(); ++i)
        pComboBox->AddString(astrKeys.GetAt(i));
    pComboBox->SelectString(-1, directory.GetCurrentName());
}

CString CPortManGui::GetBaudRateText()
{
    CString strText;
    for (const BaudText& baud : BAUD_TEXTS)
    {
        if (baud.dwRate != m_dcb.BaudRate)
            continue;
        strText.LoadString(baud.uiId);
        return strText;
    }
    strText.Format("%i", static_cast<int>(m_dcb.BaudRate));
    return strText;
}
