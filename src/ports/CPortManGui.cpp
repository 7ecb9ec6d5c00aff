#include "ports/CPortManGui.h"

#include "framework/CComboBox.h"
#include "ports/CPortDirectory.h"
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
    {110, 13100},    {300, 13112},    {600, 13117},    {1200, 13102},   {2400, 13109},   {4800, 13115},
    {7200, 13118},   {9600, 13120},   {14400, 13104},  {19200, 13107},  {38400, 13113},  {57600, 13116},
    {115200, 13101}, {230400, 13108}, {460800, 13114}, {921600, 13119}, {125000, 13103}, {172800, 13106},
    {250000, 13110}, {256000, 13111}, {500000, 13155}};
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
