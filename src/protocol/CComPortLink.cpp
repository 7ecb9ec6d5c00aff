// The engine's calls into its port: create, open with serial settings, write, close, and the line that
// broke. The port is the port manager, or the line a test gave the engine.
#include "protocol/CComPort.h"

#include "framework/CComboBox.h"
#include "ports/CPortManGui.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortLine.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/ComPortTimers.h"

namespace
{
constexpr unsigned int RECEIVE_BUFFER_SIZE = 256;
constexpr UINT LINE_SEARCH_MS = 2000;
} // namespace

void CComPort::COM_CreatePortManager(CWnd* pMainWnd)
{
    m_pPort.reset();
    m_pPort = std::make_unique<CPortManGui>(pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr, WM_PORTMAN_EVENT,
                                            WM_PORTMAN_DATA, true, 0);
    m_pPort->SetEventCallback(nullptr, EV_PNP_ARRIVE | EV_PNP_REMOVE);
    m_pPort->ClosePort(false);
    m_strClosedPortName = m_pPort->GetCurrentDisplayName();
}

// The serial settings go into the port manager's record, which the next opening applies.
bool CComPort::COM_OpenPort(const CString& strKey, LONG lBaudrate)
{
    if (m_pLine)
        return m_pLine->Open(strKey, lBaudrate);
    if (!m_pPort)
        return false;
    m_pPort->m_dcb.BaudRate = static_cast<DWORD>(lBaudrate);
    m_pPort->m_dcb.ByteSize = 8;
    m_pPort->m_dcb.Parity = NOPARITY;
    m_pPort->m_dcb.StopBits = ONESTOPBIT;
    return m_pPort->OpenConnection(strKey, nullptr, RECEIVE_BUFFER_SIZE);
}

bool CComPort::COM_ClosePort()
{
    COM_ForgetAwaitedAnswer();
    COM_ResetSingleShotGate();
    if (m_pLine)
        return m_pLine->Close();
    return !m_pPort || m_pPort->ClosePort(false);
}

bool CComPort::COM_WriteBytes(const CString& strBytes)
{
    if (m_writeSink)
        return m_writeSink(strBytes);
    return COM_NoteWrite(m_pLine ? m_pLine->Write(strBytes) : m_pPort && m_pPort->WriteString(strBytes));
}

bool CComPort::COM_WriteByte(BYTE ucByte)
{
    if (m_writeSink || m_pLine)
        return COM_WriteBytes(CString(static_cast<char>(ucByte)));
    return COM_NoteWrite(m_pPort && m_pPort->WriteByte(ucByte));
}

// A write that failed on the open port breaks the line; that is handled once the write's caller is done.
bool CComPort::COM_NoteWrite(bool bWritten)
{
    if (!bWritten && COM_IsPortOpen())
        m_pHost->Frame_SetTimer(TIMER_LINE_BROKEN, USER_TIMER_MINIMUM);
    return bWritten;
}

// An initialisation that loses its line ends as one without an answer; otherwise a running measurement
// ends through the frame (its watchdog), and whatever else was under way ends here.
void CComPort::COM_OnLineBroken()
{
    if (!COM_IsPortOpen() || COM_IsSearchRunning())
        return;
    COM_Trace("ZMCOMConfg: Leitung zum Sensor unterbrochen, Port geschlossen, Suche bis zur Antwort");
    m_pHost->Frame_SetTimer(TIMER_LINE_SEARCH, LINE_SEARCH_MS);
    if (m_iZMCOMConfgFlow == ZM_START_INIT)
    {
        COM_ZMCOMConfgStartInitNoAnswer();
        return;
    }
    COM_ClosePort();
    if (!m_pPanel->Panel_IsRunning())
    {
        m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
        m_bPageSwitchLocked = false;
        m_pPanel->Panel_StopMeasureTimer();
    }
    m_pHost->Frame_HandleLineBroken();
}

// Waits while a search, a measurement or a sensor's initialisation runs; ends once a port is open again.
void CComPort::COM_OnLineSearchTick()
{
    if (COM_IsSearchRunning() || m_pPanel->Panel_IsRunning() || !COM_IsActionAllowed())
        return;
    if (COM_IsPortOpen())
    {
        m_pHost->Frame_KillTimer(TIMER_LINE_SEARCH);
        return;
    }
    COM_CheckConnection(0);
}

CString CComPort::COM_GetPortDisplayName()
{
    if (m_pLine)
        return m_pLine->GetDisplayName();
    return m_pPort ? m_pPort->GetCurrentDisplayName() : m_strClosedPortName;
}

LONG CComPort::COM_GetPortBaudrate()
{
    if (m_pLine)
        return m_pLine->GetBaudrate();
    return m_pPort ? static_cast<LONG>(m_pPort->m_dcb.BaudRate) : m_lDefaultBaudrate;
}

void CComPort::COM_FillPortCombo(CComboBox* pComboBox)
{
    if (m_pLine)
    {
        m_pLine->FillPortCombo(pComboBox);
        return;
    }
    CPortManGui::FillPortCombo(pComboBox, CString(), true);
}
