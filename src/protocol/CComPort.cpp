// Construction, port tables, key and list texts, state accessors and the port-event trace.
#include "protocol/CComPort.h"

#include "framework/CWnd.h"
#include "ports/CPortManGui.h"
#include "protocol/CComPortAdjustRole.h"
#include "protocol/CComPortCalibRole.h"
#include "protocol/CComPortConnectionRole.h"
#include "protocol/CComPortDiagnosticRole.h"
#include "protocol/CComPortDocumentationRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortInfoRole.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/CComPortStartUpRole.h"
#include "protocol/ProtocolTexts.h"

#include <algorithm>
#include <iterator>

namespace
{
const char* const KEY_CURRENT_TABLE = "Konstruktor ComPort  AKT";
const char* const KEY_PREVIOUS_TABLE = "Konstruktor ComPort PREV";
const char* const USB_LIST_NAME = "Tervane USB";
const char* const SOFTWARE_CONFIG_PLACEHOLDER =
    "EmptyBlockAndMakeSureThatThisAreMoreThanFourtyCharactersSoNeverCrashesBecauseTheStringIsTooShort";
constexpr int SEARCH_FLAG_CURRENT = -2;
constexpr int SEARCH_FLAG_PREVIOUS = -6;
constexpr int LIST_COLUMN_TEXT = 0;
constexpr int LIST_COLUMN_SERIAL = 3;
constexpr int LIST_COLUMN_STATUS = 5;

const char* const STATE_NAMES[] = {
    "ZM_DEL_BUF",
    "ZM_START_INIT",
    "ZM_GET_ST_SERIAL_NR",
    "ZM_START_MEASURE_SOSM",
    "ZM_START_MEASURE_NO_SOSM",
    "ZM_STOP_MEASURE",
    "ZM_RESTART_SENSOR",
    "ZM_SINGLE_SHOT",
    "ZM_SET_CTRL_ON",
    "ZM_SET_CTRL_OFF",
    nullptr,
    nullptr,
    "ZM_TRIGGER_ACTIV",
    nullptr,
    "ZM_GET_STATUS_LONG",
    nullptr,
    "ZM_SET_CTRL_ON_SOSM",
    "ZM_SET_CTRL_OFF_SOSM",
    "ZM_USERCALIB_DEACTIVATE",
    "ZM_USERCALIB_ACTIVATE",
    "ZM_SET_NEW_USERCALIB",
    "ZM_SET_NEW_FACCALIB",
    "ZM_READ_RAW_CALIB_INIT",
    "ZM_SET_INACCURACY_USERCALIB",
    "ZM_SET_INACCURACY_FACTORYCALIB",
    "ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED",
    "ZM_CHECK_IF_QBX_USB_TQ5_CHECK_ADDRESSES",
    "ZM_LIST_CTRL_CHANGE_READ_RAW",
    "ZM_CONFIGURE_SENSOR",
    "ZM_CNFG_ST_HEADER_BLOCK",
    "ZM_CNFG_RT_HEADER_BLOCK",
    "ZM_CNFG_ST_HARDWARE_BLOCK",
    "ZM_CNFG_RT_OPERATION_BLOCK",
    "ZM_CNFG_ST_OPERATION_BLOCK",
    "ZM_CNFG_RT_FACTORY_CALIB_NEW",
    "ZM_CNFG_SW_CONFIG_SET_SCALING_A",
    "ZM_CNFG_SW_CONFIG_SET_SCALING_B",
    "ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS",
    "ZM_CNFG_SW_CONFIG_DELETE_BLOCK",
    "ZM_CNFG_SET_NEW_BAUDRATE",
    "ZM_CNFG_NEW_BAUDRATE_IS_SETTED",
    "ZM_SET_OTHER_ADDRESS_OF_INTERFACE",
    "ZM_SET_SERIAL_NUBMER_ROTOR_OPERATION",
    "ZM_FACTORYCALIB_ACTIVATE",
    "ZM_FACTORYCALIB_DEACTIVATE",
    "ZM_RESTART_SENSOR_AFTER_INIT",
    "ZM_CNFG_SET_NEW_LOW_PASS_FILTER",
    "ZM_CNFG_NEW_LOW_PASS_IS_SETTED",
};

struct EventName
{
    unsigned long ulBit;
    const char* pszName;
};
// Named bits of a port event, in the order they are traced.
constexpr EventName EVENT_NAMES[] = {{0x1000000, "EV_STATUS"},
                                     {0x10000000, "EV_PNP_ARRIVE"},
                                     {0x20000000, "EV_PNP_REMOVE"},
                                     {0x40000000, "EV_USER1"},
                                     {0x80000000, "EV_USER2"},
                                     {0x31000158, "EV_PORTMAN_DEFAULT"},
                                     {0x1, "EV_RXCHAR"},
                                     {0x2, "EV_RXFLAG"},
                                     {0x4, "EV_TXEMPTY"},
                                     {0x8, "EV_CTS"},
                                     {0x10, "EV_DSR"},
                                     {0x20, "EV_RLSD"},
                                     {0x40, "EV_BREAK"},
                                     {0x80, "EV_ERR"},
                                     {0x100, "EV_RING"},
                                     {0x200, "EV_PERR"},
                                     {0x400, "EV_RX80FULL"},
                                     {0x800, "EV_EVENT1"},
                                     {0x1000, "EV_EVENT2"}};

CString LoadText(UINT uiId)
{
    CString str;
    str.LoadString(uiId);
    return str;
}

// The role object in use: the attached one, else the role's do-nothing object (one for all engines:
// it keeps no state).
template <class Role> Role* AttachedOrNone(Role* pRole)
{
    static Role s_none;
    return pRole != nullptr ? pRole : &s_none;
}
} // namespace

CComPort::CComPort()
    : m_strStSoftwareConfigBlock(SOFTWARE_CONFIG_PLACEHOLDER), m_sComPort(PORT_TABLE_SIZE),
      m_sComPortPrev(PORT_TABLE_SIZE), m_pHost(AttachedOrNone<CComPortHost>(nullptr)),
      m_pAdjust(AttachedOrNone<CComPortAdjustRole>(nullptr)),
      m_pPanel(AttachedOrNone<CComPortPanelRole>(nullptr)),
      m_pStartUp(AttachedOrNone<CComPortStartUpRole>(nullptr)),
      m_pConnection(AttachedOrNone<CComPortConnectionRole>(nullptr)),
      m_pInfo(AttachedOrNone<CComPortInfoRole>(nullptr)),
      m_pCalib(AttachedOrNone<CComPortCalibRole>(nullptr)),
      m_pDiagnostic(AttachedOrNone<CComPortDiagnosticRole>(nullptr)),
      m_pDocumentation(AttachedOrNone<CComPortDocumentationRole>(nullptr))
{
    m_strUsbPortTag = CString(USB_LIST_NAME).Trim().MakeLower();
    for (ComPortStruct& entry : m_sComPort)
    {
        entry.strComPort = KEY_CURRENT_TABLE;
        entry.iSearch = SEARCH_FLAG_CURRENT;
        entry.lComPortBaudrate = -1;
    }
    for (ComPortStruct& entry : m_sComPortPrev)
    {
        entry.strComPort = KEY_PREVIOUS_TABLE;
        entry.iSearch = SEARCH_FLAG_PREVIOUS;
    }
    COM_ResetSensorStruct();
    COM_ResetMeasuredValues();
    COM_ResetCalibValues();
}

CComPort::~CComPort() = default;

void CComPort::COM_Init(CWnd* pMainWnd)
{
    TerSend_SetAddress(6, OWN_ADDRESS);
    COM_CreatePortManager(pMainWnd);
    m_lDefaultBaudrate = 115200;
}

// ---- Frame and roles

void CComPort::COM_AttachHost(CComPortHost* pHost)
{
    m_pHost = AttachedOrNone(pHost);
}

void CComPort::COM_AttachAdjust(CComPortAdjustRole* pAdjust)
{
    m_pAdjust = AttachedOrNone(pAdjust);
}

void CComPort::COM_AttachPanel(CComPortPanelRole* pPanel)
{
    m_pPanel = AttachedOrNone(pPanel);
}

void CComPort::COM_AttachStartUp(CComPortStartUpRole* pStartUp)
{
    m_pStartUp = AttachedOrNone(pStartUp);
}

void CComPort::COM_AttachConnection(CComPortConnectionRole* pConnection)
{
    m_pConnection = AttachedOrNone(pConnection);
}

void CComPort::COM_AttachInfo(CComPortInfoRole* pInfo)
{
    m_pInfo = AttachedOrNone(pInfo);
}

void CComPort::COM_AttachCalib(CComPortCalibRole* pCalib)
{
    m_pCalib = AttachedOrNone(pCalib);
}

void CComPort::COM_AttachDiagnostic(CComPortDiagnosticRole* pDiagnostic)
{
    m_pDiagnostic = AttachedOrNone(pDiagnostic);
}

void CComPort::COM_AttachDocumentation(CComPortDocumentationRole* pDocumentation)
{
    m_pDocumentation = AttachedOrNone(pDocumentation);
}

void CComPort::COM_Trace(const CString& strLine)
{
    m_pHost->Frame_Trace(strLine);
}

// ---- Tables

void CComPort::COM_SavePortTableAsPrev()
{
    m_sComPortPrev = m_sComPort;
}

void CComPort::COM_MarkAllPortsForSearch(int iValue)
{
    for (ComPortStruct& entry : m_sComPort)
        entry.iSearch = iValue;
    for (ComPortStruct& entry : m_sComPortPrev)
        entry.iSearch = iValue;
}

void CComPort::COM_TakeOverPrevSearchFlags()
{
    for (const ComPortStruct& prev : m_sComPortPrev)
    {
        if (prev.strComPort.IsEmpty())
            continue;
        for (ComPortStruct& entry : m_sComPort)
        {
            if (entry.strComPort == prev.strComPort)
                entry.iSearch = prev.iSearch;
        }
    }
}

void CComPort::COM_TakeOverStoredSearchFlags(int iCount, bool bForce)
{
    if (bForce)
        m_bStoredSearchFlagsArmed = true;
    if (!m_bStoredSearchFlagsArmed)
        return;
    for (int i = std::min(iCount, PORT_TABLE_SIZE) - 1; i >= 0; --i)
    {
        const CString& strKey = m_sComPort.at(i).strComPort;
        const auto it =
            std::find_if(m_sComPort.begin(), m_sComPort.end(),
                         [&strKey](const ComPortStruct& entry) { return entry.strStoredName == strKey; });
        const int iValue = (it != m_sComPort.end() && it->iStoredSearch >= 0) ? it->iStoredSearch : 0;
        m_sComPort.at(i).iSearch = iValue;
        m_sComPortPrev.at(i).iSearch = iValue;
    }
    m_bStoredSearchFlagsArmed = false;
}

bool CComPort::COM_HasSeveralInterfaces(int iArray) const
{
    if (iArray < 0 || iArray >= PORT_TABLE_SIZE)
        return false;
    const ComPortStruct& entry = m_sComPort.at(iArray);
    return std::count_if(std::begin(entry.ucAddressAnswered), std::end(entry.ucAddressAnswered),
                         [](BYTE uc) { return uc != 0; }) > 1;
}

bool CComPort::COM_IsSupportedBaudrate(LONG lBaud, LONG* plOut)
{
    if (lBaud != 115200 && lBaud != 230400)
        return false;
    if (plOut)
        *plOut = lBaud;
    return true;
}

bool CComPort::COM_IsCompatibleInterface(const SensorStruct& sSensor)
{
    return sSensor.ucStatorType == 5 && sSensor.ucStatorRev >= 6;
}

bool CComPort::COM_IsPortOpen()
{
    return COM_GetPortDisplayName() != m_strClosedPortName;
}

// ---- Key and list texts

CString CComPort::COM_PortKeyToDisplayText(CString strKey)
{
    const int iBlank = strKey.Find(' ');
    CString strPort = iBlank < 0 ? CString() : strKey.Left(iBlank);
    CString strDescription = iBlank < 0 ? strKey : strKey.Mid(iBlank);
    strPort.Trim();
    strDescription.Trim();
    CString strLower = strDescription;
    if (strLower.MakeLower().Find(m_strUsbPortTag) >= 0)
    {
        m_strUsbPortDescription = strDescription;
        strDescription = USB_LIST_NAME;
    }
    return strDescription + "   [" + strPort + "]";
}

CString CComPort::COM_DisplayTextToPortKey(CString strText)
{
    strText.Replace('[', ' ');
    strText.Replace(']', ' ');
    const int iCom = strText.Find("COM");
    CString strPort = iCom < 0 ? strText : strText.Mid(iCom);
    CString strDescription = iCom < 0 ? CString() : strText.Left(iCom);
    strPort.Trim();
    strDescription.Trim();
    if (strDescription == USB_LIST_NAME)
        strDescription = m_strUsbPortDescription;
    return strPort + "   " + strDescription;
}

// ---- State

bool CComPort::COM_IsActionAllowed() const
{
    return m_iZMCOMConfgFlow != ZM_START_INIT && m_iZMCOMConfgFlow != ZM_RESTART_SENSOR &&
           m_iZMCOMConfgFlow != ZM_RESTART_SENSOR_AFTER_INIT;
}

void CComPort::COM_EnterWriteState(int iState)
{
    m_iZMCOMConfgFlow = iState;
    m_pCalib->Calib_EnableCalibButtons(0);
    m_bPageSwitchLocked = true;
}

CString CComPort::COM_GetZMStateName(int iState)
{
    if (iState >= 0 && iState < static_cast<int>(std::size(STATE_NAMES)) && STATE_NAMES[iState])
        return STATE_NAMES[iState];
    CString str;
    str.Format("default-Zweig here unkown ZM_.... == %d", iState);
    return str;
}

bool CComPort::COM_UpdateConnectionListRow(const CString& strKey, int iMode)
{
    const int iOffset = m_pHost->Frame_GetLanguageOffset();
    const int iRows = std::min(m_pConnection->Connection_GetRowCount(), PORT_TABLE_SIZE);
    for (int iRow = 0; iRow < iRows; ++iRow)
    {
        if (COM_DisplayTextToPortKey(m_pConnection->Connection_GetCellText(iRow, LIST_COLUMN_TEXT)) == strKey)
        {
            if (iMode < 0 || iMode > 2)
                return false;
            ComPortStruct& entry = COM_Entry(iRow);
            if (iMode != 0)
            {
                CString strSerial = "n.a.";
                if (entry.sSensor.ulSerialNo != 0)
                    strSerial.Format("%d", static_cast<int>(entry.sSensor.ulSerialNo));
                m_pConnection->Connection_SetCellText(iRow, LIST_COLUMN_SERIAL, strSerial);
            }
            entry.iTervaneState = iMode == 1 ? ID_PORT_ACTIVE : ID_PORT_AVAILABLE;
            if (iMode == 1)
            {
                m_sSensor = entry.sSensor;
                m_pHost->Frame_SetupChannels(1, &m_sSensor);
            }
            const UINT uiText = (iMode == 1 ? IDS_PORT_ACTIVE : IDS_PORT_AVAILABLE) + iOffset;
            m_pConnection->Connection_SetCellText(iRow, LIST_COLUMN_STATUS, LoadText(uiText));
            break;
        }
        if (strKey == m_strClosedPortName && iMode == 1)
            break;
    }
    return true;
}

LRESULT CComPort::COM_OnPortEvent(WPARAM wParam, LPARAM lParam)
{
    CString strTrace;
    strTrace.Format("COM STATUS Received  WPARAM = %8p LPARAM = %8p", reinterpret_cast<void*>(wParam),
                    reinterpret_cast<void*>(lParam));
    const CString strStars('*', 60);
    COM_Trace(strStars);
    COM_Trace(strTrace);
    for (const unsigned long ulValue :
         {static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam)})
    {
        for (const EventName& event : EVENT_NAMES)
        {
            if ((ulValue & event.ulBit) != 0)
                COM_Trace(event.pszName);
        }
    }
    COM_Trace(strStars);
    // EV_ERR with a Windows error is a failure of the port itself (its reader has ended).
    if ((wParam & EV_ERR) != 0 && lParam != 0)
        COM_OnLineBroken();
    return 0;
}
