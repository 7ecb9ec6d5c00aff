#include "ports/CPortManGui.h"

#include "framework/CWnd.h"
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

void CPortManGui::FillPortCombo(CWnd* pComboBox, const CString& strName, bool bClearFirst)
{
    HWND hComboBox = pComboBox != nullptr ? pComboBox->GetSafeHwnd() : nullptr;
    if (hComboBox == nullptr)
        return;
    EnumerateAllPorts();
    CPortDirectory& directory = GetPortDirectory();
    FillPortComboList(directory, hComboBox, bClearFirst);
    CString strDisplayName = directory.GetDisplayName(strName);
    // An empty text is the start of every item; Wine's CB_FINDSTRING finds none for it.
    LRESULT lIndex = strDisplayName.IsEmpty()
                         ? 0
                         : SendMessageA(hComboBox, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(strDisplayName.GetString()));
    SendMessageA(hComboBox, CB_SETCURSEL, static_cast<WPARAM>(lIndex), 0);
}

void CPortManGui::FillPortComboList(CPortDirectory& directory, HWND hComboBox, bool bClearFirst)
{
    if (bClearFirst)
        SendMessageA(hComboBox, CB_RESETCONTENT, 0, 0);
    CStringArray astrKeys;
    directory.GetListedKeys(astrKeys);
    for (int i = 0; i < astrKeys.GetSize(); ++i)
        SendMessageA(hComboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(astrKeys.GetAt(i).GetString()));
    CString strCurrent = directory.GetCurrentName();
    SendMessageA(hComboBox, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(strCurrent.GetString()));
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
