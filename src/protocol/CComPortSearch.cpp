// Sensor search over all listed ports with the address scan, and the choice of the port to connect.
#include "protocol/CComPort.h"

#include "framework/CComboBox.h"
#include "protocol/CComPortConnectionRole.h"
#include "protocol/CComPortDiagnosticRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortInfoRole.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/CComPortStartUpRole.h"
#include "protocol/ComPortTimers.h"

#include <algorithm>

namespace
{
constexpr UINT SEARCH_STEP_MS = 200;
constexpr UINT STATUS_LONG_WAIT_MS = 100;
// The address scan writes this many status requests at a time, one part per timer tick, so the
// window keeps handling its messages while the scan runs.
constexpr int SCAN_PART_ADDRESSES = 25;
constexpr UINT SCAN_PART_MS = USER_TIMER_MINIMUM;
constexpr UINT DEFERRED_SEARCH_MS = 2500;
// A search whose steps stopped for this long (a port that would not close) no longer holds off a new one.
constexpr DWORD SEARCH_STALLED_MS = 5000;
constexpr int FIRST_SCAN_ADDRESS = 249;
constexpr int SCAN_STEP_ONE_RATE = 12;
constexpr int SCAN_STEP_NO_RATE = 2;
constexpr int MODE_MARK_ALL = 4;
constexpr int CONNECT_AFTER_SEARCH = 3;

// Codes of the connection choice.
constexpr int CHOICE_NONE_FOUND = 0;
constexpr int CHOICE_LAST_USED = 1;
constexpr int CHOICE_ACTIVE = 2;
constexpr int CHOICE_ONLY_SENSOR = 4;
constexpr int CHOICE_ACTIVE_GONE = 6;
constexpr int CHOICE_LAST_USED_GONE = 7;
constexpr int CHOICE_CLOSED = 8;
constexpr int CHOICE_NOTHING = 9;
constexpr int CHOICE_FIRST_AVAILABLE = 10;

const char* BoolText(bool b)
{
    return b ? "true" : "false";
}
} // namespace

bool CComPort::COM_IsSearchRunning() const
{
    return m_bSearchRunning && GetTickCount() - m_dwSearchActivity < SEARCH_STALLED_MS;
}

void CComPort::COM_MarkSearchActivity()
{
    m_dwSearchActivity = GetTickCount();
}

// ---- Start of a search

void CComPort::COM_CheckConnectionIfQbxUsbTyp(int iWhatToDo)
{
    COM_Trace("");
    COM_Trace("void CComPort::COM_CheckConnectionIfQbxUsbTyp \tBEGIN");
    if (iWhatToDo == MODE_MARK_ALL)
        COM_MarkAllPortsForSearch(1);
    if (COM_IsSearchRunning())
    {
        // Started again when the running search has made its connection choice.
        m_bSearchDeferred = true;
        COM_Trace("void CComPort::COM_CheckConnectionIfQbxUsbTyp \tENDE search running, deferred");
        return;
    }
    m_lDefaultBaudrate = 115200;
    m_pHost->Frame_BeginWaitCursor();
    if (m_COM_bDeviceIsArrivedJustOneOfIt)
    {
        m_pPanel->Panel_SetTimer(TIMER_PANEL_DEFERRED_SEARCH, DEFERRED_SEARCH_MS);
        m_COM_bDeviceIsArrivedJustOneOfIt = false;
        COM_Trace(
            "void CComPort::COM_CheckConnectionIfQbxUsbTyp \tENDE m_COM_bDeviceIsArrivedJustOneOfIt == true");
        COM_Trace("");
        return;
    }
    m_bSearchRunning = true;
    m_bSearchDeferred = false;
    COM_ResetSingleShotGate();
    m_bBaudrate115200IsCheckedToo = false;
    m_bNoSecondTry = false;
    COM_MarkSearchActivity();
    COM_FillPortCombo(m_pDiagnostic->Diagnostic_GetPortCombo());
    m_iCountHits = 0;
    m_iCountFound = 0;
    COM_ResetPortTableForSearch();
    m_iPortBeforeSearch = -1;
    m_strPortBeforeSearch = COM_GetPortDisplayName();
    if (COM_IsPortOpen())
        COM_ClosePort();
    const int iListed = COM_ListPorts();
    COM_TakeOverPrevSearchFlags();
    m_pConnection->Connection_FillPortList(1);
    if (m_strPortBeforeSearch != m_strClosedPortName)
    {
        for (int i = 0; i < iListed; ++i)
        {
            if (COM_Entry(i).strComPort == m_strPortBeforeSearch)
                m_iPortBeforeSearch = i;
        }
    }
    if (iListed == 0)
        m_pSearchStep = &CComPort::ZMQBXUSBTQ5_SearchFinished;
    else
    {
        COM_TakeOverStoredSearchFlags(iListed, false);
        m_pStartUp->StartUp_InitSearchProgress(iListed);
        m_pSearchStep = &CComPort::ZMQBXUSBTQ5_AvailablePorts;
    }
    (this->*m_pSearchStep)();
    COM_Trace("void CComPort::COM_CheckConnectionIfQbxUsbTyp \tENDE ganz am ENDE");
    COM_Trace("");
}

void CComPort::COM_ResetPortTableForSearch()
{
    for (ComPortStruct& entry : m_sComPort)
    {
        entry.strComPort.Empty();
        entry.iTervaneState = -1;
        entry.lComPortBaudrate = -1;
        entry.ucInterfaceAddress = 0;
        std::fill(std::begin(entry.ucAddressAnswered), std::end(entry.ucAddressAnswered), 0);
        entry.iIsCompatibelToBaudrate[ID_BAUD_115200] = -1;
        entry.iIsCompatibelToBaudrate[ID_BAUD_230400] = -1;
    }
}

// Lists the ports of the diagnostic page's combo box into the table with their open test.
int CComPort::COM_ListPorts()
{
    CComboBox* pCombo = m_pDiagnostic->Diagnostic_GetPortCombo();
    if (!pCombo || !pCombo->GetSafeHwnd())
        return 0;
    for (int i = 0; i < PORT_TABLE_SIZE; ++i)
    {
        if (pCombo->SetCurSel(i) == CB_ERR)
            break;
        CString strText;
        pCombo->GetLBText(i, strText);
        CString strLower = strText;
        strLower.Trim().MakeLower();
        CString strTrace;
        strTrace.Format("\t\t\t COM_CheckConnectionIfQbxUsbTyp \t%2i \t%2i \t%s", i, m_iCountHits,
                        strText.GetString());
        COM_Trace(strTrace);
        const int iResult = COM_GetStateDoTestConnection(strText, m_iCountHits);
        ComPortStruct& entry = COM_Entry(m_iCountHits);
        if (strLower.Find(m_strUsbPortTag) >= 0)
            entry.iTervaneState = iResult;
        else if (iResult == ID_AVAILABLE)
            entry.iTervaneState = ID_PORT_CANDIDATE;
        else
        {
            entry.iTervaneState = ID_PORT_NOT_COMPATIBLE;
            COM_Trace("\t\t\t\t\t\t ##################################################################");
            strTrace.Format(
                "\t\t\t\t\t\t\t ### -> Port nicht kompatibel!!!\n\t\t\t\t\t\t\t ### -> void "
                "CComPort::COM_CheckConnectionIfQbxUsbTq5Typ( int iWhatToDo = %d ) m_iCountHits %d "
                "m_sComPort[ m_iCountHits ].iTervaneState %d",
                0, m_iCountHits, entry.iTervaneState);
            COM_Trace(strTrace);
            COM_Trace("##################################################################");
            COM_Trace("");
        }
        entry.strComPort = strText;
        ++m_iCountHits;
    }
    return m_iCountHits;
}

int CComPort::COM_GetStateDoTestConnection(const CString& strComPort, int iArray)
{
    ComPortStruct& entry = COM_Entry(iArray);
    for (const int iRate : {ID_BAUD_115200, ID_BAUD_230400})
    {
        const LONG lBaud = iRate == ID_BAUD_115200 ? 115200 : 230400;
        int iResult = ID_TEST_CONNECTION_FAILED;
        if (!strComPort.IsEmpty())
        {
            if (!COM_OpenPort(strComPort, lBaud))
                iResult = ID_NOT_AVAILABLE;
            else
                iResult = COM_ClosePort() ? ID_AVAILABLE : ID_TEST_CONNECTION_FAILED;
        }
        entry.iIsCompatibelToBaudrate[iRate] = iResult == ID_AVAILABLE ? 1 : 0;
        CString strTrace;
        strTrace.Format("\t\t\t\t COM_GetStateDoTestConnection %s mit %ld: %d", strComPort.GetString(),
                        static_cast<long>(lBaud), iResult);
        COM_Trace(strTrace);
    }
    const bool bAny = entry.iIsCompatibelToBaudrate[ID_BAUD_115200] == 1 ||
                      entry.iIsCompatibelToBaudrate[ID_BAUD_230400] == 1;
    return bAny ? ID_AVAILABLE : ID_TEST_CONNECTION_FAILED;
}

// ---- Probe loop

void CComPort::ZMQBXUSBTQ5_AvailablePorts()
{
    COM_MarkSearchActivity();
    if (!COM_IsPortOpen())
    {
        m_bBaudrate115200IsCheckedToo = false;
        m_lDefaultBaudrate = 115200;
        if (m_iCountHits < 1)
        {
            ZMQBXUSBTQ5_SearchFinished();
            return;
        }
        --m_iCountHits;
        m_pStartUp->StartUp_SetSearchedPort(m_iCountHits);
        ZMQBXUSBTQ5_TestPort();
        return;
    }
    ComPortStruct& entry = COM_Entry(m_iCountHits);
    CString strTrace;
    strTrace.Format("\t*** -> void CComPort::ZMQBXUSBTQ5_AvailablePorts( void ) m_iCountHits %d m_sComPort[ "
                    "m_iCountHits ].lComPortBaudrate %ld bStaticBaudrate115200IsCheckedToo = %s",
                    m_iCountHits, static_cast<long>(entry.lComPortBaudrate),
                    BoolText(m_bBaudrate115200IsCheckedToo));
    COM_Trace(strTrace);
    if (entry.lComPortBaudrate >= 0 || m_bBaudrate115200IsCheckedToo)
    {
        m_bBaudrate115200IsCheckedToo = false;
        m_lDefaultBaudrate = 115200;
        m_pHost->Frame_SetTimer(TIMER_SEARCH_NEXT_PORT, SEARCH_STEP_MS);
        return;
    }
    m_bBaudrate115200IsCheckedToo = true;
    m_lDefaultBaudrate = 230400;
    COM_ClosePort();
    m_pHost->Frame_SetTimer(TIMER_SEARCH_TEST_PORT, SEARCH_STEP_MS);
}

void CComPort::ZMQBXUSBTQ5_TestPort()
{
    COM_MarkSearchActivity();
    ComPortStruct& entry = COM_Entry(m_iCountHits);
    if (entry.iTervaneState == ID_PORT_CANDIDATE)
        entry.iSearch = 1;
    // Each port's read starts from a cleared record: nothing of another port's sensor stays in it.
    COM_ResetSensorStruct();
    if (COM_ActivatePort(m_iCountHits))
        ZMQBXUSBTQ5_GetStatusLong(entry.strComPort);
    // The end of a scan starts the no-answer timer; without a scan it starts now.
    if (m_iScanAddress == 0)
        m_pHost->Frame_SetTimer(TIMER_SEARCH_PORT_NO_ANSWER, SEARCH_STEP_MS);
}

bool CComPort::COM_ActivatePort(int iArray)
{
    m_iActiveArray = iArray;
    ComPortStruct& entry = COM_Entry(iArray);
    CString strTrace;
    strTrace.Format("BEGIN   bool CComPort::COM_ActivatePort( int iArray = %d )   "
                    "m_pPort->GetCurrentDisplayName() == %s mit der Baudrate %ld",
                    iArray, COM_GetPortDisplayName().GetString(), static_cast<long>(m_lDefaultBaudrate));
    COM_Trace(strTrace);
    COM_IsSupportedBaudrate(entry.lComPortBaudrate, &m_lDefaultBaudrate);
    TerSend_SetAddress(entry.ucInterfaceAddress, OWN_ADDRESS);
    const bool bOpened = COM_OpenPort(entry.strComPort, m_lDefaultBaudrate);
    strTrace.Format("END     bool CComPort::COM_ActivatePort( int iArray = %d ) == %s", iArray,
                    BoolText(bOpened));
    COM_Trace(strTrace);
    return bOpened;
}

// The address scan: a status request to every bus address from 249 down to 1, written in parts.
CString CComPort::ZMQBXUSBTQ5_GetStatusLong(CString str)
{
    if (!COM_ActivatePort(m_iCountHits))
        return str;
    const ComPortStruct& entry = COM_Entry(m_iCountHits);
    CString strTrace;
    strTrace.Format("\t\t ZMQBXUSBTQ5_GetStatusLong( %s ) m_iCountHits %d", str.GetString(), m_iCountHits);
    COM_Trace(strTrace);
    strTrace.Format("\t\t iIsCompatibelToBaudrate 115200: %d 230400: %d",
                    entry.iIsCompatibelToBaudrate[ID_BAUD_115200],
                    entry.iIsCompatibelToBaudrate[ID_BAUD_230400]);
    COM_Trace(strTrace);
    int iRates = 0;
    if (entry.iIsCompatibelToBaudrate[ID_BAUD_115200] == 1)
        iRates = entry.iIsCompatibelToBaudrate[ID_BAUD_230400] == 1 ? 2 : 1;
    m_iScanStep = iRates == 0 ? SCAN_STEP_NO_RATE : SCAN_STEP_ONE_RATE * iRates;
    m_iZMCOMConfgFlow = ZM_CHECK_IF_QBX_USB_TQ5_CHECK_ADDRESSES;
    ZMCOMConfg_ClearReceiveBuffer();
    m_iScanAddress = FIRST_SCAN_ADDRESS;
    m_bScanAnswered = false;
    ZMQBXUSBTQ5_ScanAddresses();
    return str;
}

// One part of the scan; a failed write ends the scan, and the port then counts as silent once.
void CComPort::ZMQBXUSBTQ5_ScanAddresses()
{
    if (m_iScanAddress == 0)
        return;
    COM_MarkSearchActivity();
    CString strRequests;
    for (int i = 0; i < SCAN_PART_ADDRESSES && m_iScanAddress >= 1; ++i, --m_iScanAddress)
    {
        TerSend_SetAddress(static_cast<BYTE>(m_iScanAddress), OWN_ADDRESS);
        CString strRequest;
        TerSend_ReadStatusLong(strRequest);
        strRequests += strRequest;
        if ((FIRST_SCAN_ADDRESS + 1 - m_iScanAddress) % m_iScanStep == 0)
            m_pStartUp->StartUp_AdvanceSearchProgress(0);
    }
    if (!COM_Write(strRequests))
    {
        COM_Trace("\t\t ZMQBXUSBTQ5_GetStatusLong: Schreiben fehlgeschlagen, Adresssuche beendet");
        m_iScanAddress = 0;
    }
    if (m_iScanAddress >= 1)
        m_pHost->Frame_SetTimer(TIMER_SEARCH_SCAN, SCAN_PART_MS);
    else
        ZMQBXUSBTQ5_ScanFinished();
}

// The answers' analysis follows 100 ms after the last answer; without one the port is silent 200 ms
// after the scan.
void CComPort::ZMQBXUSBTQ5_ScanFinished()
{
    m_iScanAddress = 0;
    if (!m_bScanAnswered)
    {
        m_pHost->Frame_SetTimer(TIMER_SEARCH_PORT_NO_ANSWER, SEARCH_STEP_MS);
        return;
    }
    m_pHost->Frame_KillTimer(TIMER_SEARCH_PORT_NO_ANSWER);
    m_pHost->Frame_SetTimer(TIMER_SEARCH_STATUS_LONG, STATUS_LONG_WAIT_MS);
}

void CComPort::ZMQBXUSBTQ5_PortDoesNotAnswer()
{
    COM_MarkSearchActivity();
    CString strTrace;
    strTrace.Format("--> void CComPort::ZMQBXUSBTQ5_PortDoesNotAnswer() NoSecondTry = %s m_iCountHits = %d",
                    BoolText(m_bNoSecondTry), m_iCountHits);
    COM_Trace(strTrace);
    COM_Entry(m_iCountHits).iTervaneState = ID_PORT_NO_ANSWER;
    if (m_iCountHits > 0)
    {
        m_bNoSecondTry = false;
        ZMQBXUSBTQ5_AvailablePorts();
    }
    else if (!m_bNoSecondTry)
    {
        m_bNoSecondTry = true;
        ZMQBXUSBTQ5_AvailablePorts();
    }
    else
    {
        m_bNoSecondTry = false;
        ZMQBXUSBTQ5_SearchFinished();
    }
}

void CComPort::ZMQBXUSBTQ5_CheckInterface()
{
    COM_MarkSearchActivity();
    ComPortStruct& entry = COM_Entry(m_iCountHits);
    if (!COM_IsCompatibleInterface(m_sSensor))
    {
        entry.iTervaneState = ID_PORT_WRONG_DEVICE;
        entry.sSensor = m_sSensor;
        m_pHost->Frame_SetupChannels(0, nullptr);
        if (m_iCountHits < 1)
            ZMQBXUSBTQ5_SearchFinished();
        else
            ZMQBXUSBTQ5_AvailablePorts();
        return;
    }
    m_pStartUp->StartUp_AdvanceSearchProgress(0);
    entry.iTervaneState = ID_PORT_AVAILABLE;
    ++m_iCountFound;
    ZMCOMConfg_ClearReceiveBuffer();
    m_iChainRefusals = 0;
    COM_RequestBlock(0);
}

// The blocks of a compatible interface did not come: the port counts as silent and the search goes on.
void CComPort::ZMQBXUSBTQ5_PortIsSilent()
{
    ComPortStruct& entry = COM_Entry(m_iCountHits);
    CString strTrace;
    strTrace.Format("--> void CComPort::ZMQBXUSBTQ5_PortIsSilent() m_iCountHits = %d", m_iCountHits);
    COM_Trace(strTrace);
    if (entry.iTervaneState == ID_PORT_AVAILABLE)
        --m_iCountFound;
    entry.iTervaneState = ID_PORT_NO_ANSWER;
    if (m_iCountHits < 1)
        ZMQBXUSBTQ5_SearchFinished();
    else
        ZMQBXUSBTQ5_AvailablePorts();
}

void CComPort::ZMQBXUSBTQ5_SearchFinished()
{
    COM_MarkSearchActivity();
    m_pStartUp->StartUp_SetSearchedPort(m_iCountHits);
    if (m_iCountFound > 0)
    {
        if (m_bOneTimeInitCheckIfQbxUsbTyp)
        {
            m_bOneTimeInitCheckIfQbxUsbTyp = false;
            m_pStartUp->StartUp_Hide();
            m_pHost->Frame_ShowMainWindow();
        }
    }
    else
    {
        m_pStartUp->StartUp_ShowSearchFailed();
        m_pHost->Frame_EndWaitCursor();
    }
    m_pHost->Frame_SetTimer(TIMER_SEARCH_END, SEARCH_STEP_MS);
}

// ---- Connection choice

void CComPort::COM_CheckConnection(int iWhatToDo)
{
    CString strTrace;
    strTrace.Format(
        "--> void CComPort::COM_CheckConnection( int iWhatToDo = %3i ) m_bOneTimeInitCheckIfQbxUsbTyp = "
        "%6s ->BEGIN",
        iWhatToDo, BoolText(m_bOneTimeInitCheckIfQbxUsbTyp));
    COM_Trace(strTrace);
    if (iWhatToDo != CONNECT_AFTER_SEARCH)
    {
        if (!m_bOneTimeInitCheckIfQbxUsbTyp)
            COM_CheckConnectionIfQbxUsbTyp(0);
        strTrace.Replace("->BEGIN", "->END");
        COM_Trace(strTrace);
        return;
    }
    m_bSearchRunning = false;
    COM_FinishConnectionChoice();
    if (m_bSearchDeferred)
    {
        m_bSearchDeferred = false;
        m_pPanel->Panel_SetTimer(TIMER_PANEL_DEFERRED_SEARCH, DEFERRED_SEARCH_MS);
    }
}

void CComPort::COM_FinishConnectionChoice()
{
    COM_SavePortTableAsPrev();
    CString strTrace;
    if (m_bOneTimeInitCheckIfQbxUsbTyp)
    {
        strTrace.Format(
            "--> void CComPort::COM_CheckConnection( int iWhatToDo = %3i ) evtl. Locked oder anderes "
            "FLAG ->END",
            CONNECT_AFTER_SEARCH);
        COM_Trace(strTrace);
        return;
    }
    strTrace.Format("--> void CComPort::COM_CheckConnection( int iWhatToDo = %3i ) ZM_START_INIT ->END",
                    CONNECT_AFTER_SEARCH);
    if (m_iZMCOMConfgFlow == ZM_START_INIT)
    {
        COM_Trace(strTrace);
        return;
    }
    const int iCode = COM_ChoosePort();
    const bool bChosen = m_iChosenPort >= 0 && m_iChosenPort < PORT_TABLE_SIZE;
    if (bChosen && (iCode == CHOICE_LAST_USED || iCode == CHOICE_ACTIVE || iCode == CHOICE_ONLY_SENSOR ||
                    iCode == CHOICE_FIRST_AVAILABLE))
    {
        ComPortStruct& entry = COM_Entry(m_iChosenPort);
        entry.iTervaneState = COM_ActivateComPort(entry.strComPort, m_iChosenPort, entry.iTervaneState);
    }
    else if (iCode == CHOICE_ACTIVE_GONE)
    {
        m_pInfo->Info_UpdatePage(false);
        m_pHost->Frame_EndWaitCursor();
    }
    else if (iCode == CHOICE_LAST_USED_GONE || iCode == CHOICE_CLOSED || iCode == CHOICE_NOTHING)
        m_pHost->Frame_EndWaitCursor();
    m_strLastUsedComPort.Empty();
    COM_RefillConnectionList();
    if (!COM_IsPortOpen())
        m_pPanel->Panel_OnSensorDisconnected();
    m_bPortListOutdated = false;
    COM_Trace(strTrace);
}

int CComPort::COM_ChoosePort()
{
    m_iChosenPort = -1;
    auto find = [this](auto predicate)
    {
        for (int i = 0; i < PORT_TABLE_SIZE && !COM_Entry(i).strComPort.IsEmpty(); ++i)
        {
            if (predicate(COM_Entry(i)))
                return i;
        }
        return -1;
    };
    auto isAvailable = [](const ComPortStruct& entry) { return entry.iTervaneState == ID_PORT_AVAILABLE; };
    if (m_iCountFound == 1)
    {
        m_iChosenPort = find(isAvailable);
        return CHOICE_ONLY_SENSOR;
    }
    if (m_strLastUsedComPort.IsEmpty() && m_strActivePortKey.IsEmpty())
    {
        if (m_iCountFound == 0)
            return CHOICE_NONE_FOUND;
        m_iChosenPort = find(isAvailable);
        return CHOICE_FIRST_AVAILABLE;
    }
    if (!m_strActivePortKey.IsEmpty() && m_strActivePortKey != m_strClosedPortName)
    {
        if (!m_strPortBeforeSearch.IsEmpty() && m_strPortBeforeSearch != m_strClosedPortName)
        {
            m_iChosenPort = m_iPortBeforeSearch;
            return CHOICE_ACTIVE;
        }
        m_iChosenPort =
            find([this](const ComPortStruct& entry) { return entry.strComPort == m_strActivePortKey; });
        if (m_iChosenPort >= 0)
            return CHOICE_ACTIVE;
        m_strActivePortKey = m_strClosedPortName;
        return CHOICE_ACTIVE_GONE;
    }
    if (!m_strLastUsedComPort.IsEmpty() && m_strLastUsedComPort != m_strClosedPortName)
    {
        m_iChosenPort = find(
            [this](const ComPortStruct& entry)
            { return entry.strComPort == m_strLastUsedComPort && entry.iTervaneState == ID_PORT_AVAILABLE; });
        if (m_iChosenPort >= 0)
            return CHOICE_LAST_USED;
        m_strActivePortKey = m_strClosedPortName;
        m_strLastUsedComPort = m_strClosedPortName;
        return CHOICE_LAST_USED_GONE;
    }
    return m_strLastUsedComPort == m_strClosedPortName ? CHOICE_CLOSED : CHOICE_NOTHING;
}

// The rows show each entry's interface by the stator type, which the page reads from m_sSensor.
void CComPort::COM_RefillConnectionList()
{
    const BYTE ucStatorType = m_sSensor.ucStatorType;
    m_pConnection->Connection_BeginRefill();
    for (int i = 0; i < PORT_TABLE_SIZE && !COM_Entry(i).strComPort.IsEmpty(); ++i)
    {
        const ComPortStruct& entry = COM_Entry(i);
        m_sSensor.ucStatorType = entry.sSensor.ucStatorType;
        m_pConnection->Connection_SetPortRow(COM_PortKeyToDisplayText(entry.strComPort), i,
                                             entry.iTervaneState, entry.sSensor.ulSerialNo);
    }
    const bool bChosen = m_iChosenPort >= 0 && m_iChosenPort < PORT_TABLE_SIZE;
    m_sSensor.ucStatorType = bChosen ? COM_Entry(m_iChosenPort).sSensor.ucStatorType : ucStatorType;
    m_pConnection->Connection_EndRefill();
}

int CComPort::COM_ActivateComPort(CString strKey, int iArray, int iState)
{
    m_iActiveArray = iArray;
    if (iState == ID_PORT_NO_ANSWER || iState == ID_PORT_WRONG_DEVICE)
        return iState;
    if (iArray < 0 || iArray >= PORT_TABLE_SIZE)
        return ID_PORT_NO_ANSWER;
    ComPortStruct& entry = COM_Entry(iArray);
    COM_Trace("\t\t\t\t\t\t COM_ActivateComPort \t\tBefore Set COM Configs");
    COM_IsSupportedBaudrate(entry.lComPortBaudrate, &m_lDefaultBaudrate);
    TerSend_SetAddress(entry.ucInterfaceAddress, OWN_ADDRESS);
    COM_Trace("\t\t\t\t\t\t COM_ActivateComPort \t\tAfter  Set COM Configs");
    if (!COM_OpenPort(strKey, m_lDefaultBaudrate))
    {
        COM_Trace("\t\t\t\t\t\t COM_ActivateComPort \t\tOpenConnection == false");
        return ID_PORT_NO_ANSWER;
    }
    m_strActivePortKey = strKey;
    COM_Trace("\t\t\t\t\t\t COM_ActivateComPort \t\tOpenConnection == true");
    if (m_strActivePortKey != m_strPortBeforeSearch)
    {
        COM_Trace("\t\t\t\t\t\t COM_ActivateComPort \t\tCOM_ZMCOMConfgStartInit");
        COM_ZMCOMConfgStartInit();
    }
    else
    {
        COM_Trace("\t\t\t\t\t\t COM_ActivateComPort \t\tSetValuesOfStructSensorIsConnected");
        m_sSensor = entry.sSensor;
        m_pHost->Frame_SetupChannels(1, &m_sSensor);
        m_pPanel->Panel_OnSensorConnected();
    }
    return ID_PORT_ACTIVE;
}
