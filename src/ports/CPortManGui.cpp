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
    const char* pszText;
};

// The port-manager texts exist in English only; the table holds them for a string table without them.
constexpr BaudText BAUD_TEXTS[] = {
    {110, 13100, "110"},       {300, 13112, "300"},       {600, 13117, "600"},
    {1200, 13102, "1200"},     {2400, 13109, "2400"},     {4800, 13115, "4800"},
    {7200, 13118, "7200"},     {9600, 13120, "9600"},     {14400, 13104, "14.4k"},
    {19200, 13107, "19.2k"},   {38400, 13113, "38.4k"},   {57600, 13116, "57.6k"},
    {115200, 13101, "115.2k"}, {230400, 13108, "230.4k"}, {460800, 13114, "460.8k"},
    {921600, 13119, "921.6k"}, {125000, 13103, "125k"},   {172800, 13106, "172.8k"},
    {250000, 13110, "250k"},   {256000, 13111, "256k"},   {500000, 13155, "500K"}};
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
        if (!strText.LoadString(baud.uiId))
            strText = baud.pszText;
        return strText;
    }
    strText.Format("%i", static_cast<int>(m_dcb.BaudRate));
    return strText;
}
