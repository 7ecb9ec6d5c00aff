// The steps of the main frame's protocol timers. Each one-shot timer is stopped before its step;
// TIMER_RETRY_SW_CONFIG_BLOCK keeps firing while a measurement runs, TIMER_LINE_SEARCH until a port is
// open again.
#include "protocol/CComPort.h"

#include "protocol/CComPortHost.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/ComPortTimers.h"

namespace
{
constexpr UINT SEARCH_END_CONNECT_MS = 200;
constexpr UINT BAUDRATE_RESEARCH_MS = 100;
} // namespace

bool CComPort::COM_OnTimer(UINT_PTR nIdEvent)
{
    if (!COM_RunTimerStep(nIdEvent))
        return false;
    COM_TakeDeferredSingleShot();
    return true;
}

bool CComPort::COM_RunTimerStep(UINT_PTR nIdEvent)
{
    auto stop = [this, nIdEvent] { m_pHost->Frame_KillTimer(nIdEvent); };
    switch (nIdEvent)
    {
        case TIMER_SEARCH_PORT_NO_ANSWER:
            stop();
            ZMQBXUSBTQ5_PortDoesNotAnswer();
            return true;
        case TIMER_SEARCH_STATUS_LONG:
            stop();
            // The scan has ended: the answer of the interface address is analysed as if just received.
            m_iZMCOMConfgFlow = ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED;
            ZMCOMConfg_ClearReceiveBuffer();
            m_strReceiveCOM =
                COM_Entry(m_iCountHits).strAddressAnswer[COM_Entry(m_iCountHits).ucInterfaceAddress];
            ZMCOMConfg_AnalyseStatusLong();
            return true;
        case TIMER_SEARCH_NEXT_PORT:
            stop();
            if (COM_ClosePort())
                ZMQBXUSBTQ5_AvailablePorts();
            return true;
        case TIMER_SEARCH_END:
            stop();
            COM_MarkSearchActivity();
            COM_ClosePort();
            m_pHost->Frame_SetTimer(TIMER_SEARCH_END_CONNECT, SEARCH_END_CONNECT_MS);
            return true;
        case TIMER_SEARCH_END_CONNECT:
            stop();
            COM_CheckConnection(3);
            return true;
        case TIMER_SEARCH_TEST_PORT:
            stop();
            ZMQBXUSBTQ5_TestPort();
            return true;
        case TIMER_START_SEARCH:
            stop();
            COM_CheckConnectionIfQbxUsbTyp(4);
            return true;
        case TIMER_BAUDRATE_CLOSE:
            ZMCOMConfg_ClearReceiveBuffer();
            stop();
            COM_ClosePort();
            m_pHost->Frame_SetTimer(TIMER_BAUDRATE_RESEARCH, BAUDRATE_RESEARCH_MS);
            return true;
        case TIMER_BAUDRATE_RESEARCH:
            ZMCOMConfg_ClearReceiveBuffer();
            stop();
            COM_CheckConnectionIfQbxUsbTyp(2);
            return true;
        case TIMER_BAUDRATE_RESTART:
            ZMCOMConfg_ClearReceiveBuffer();
            stop();
            m_bRestartTimerArmed = false;
            COM_ZMCOMConfgNewBaudrateIsSetRestartThatDevice();
            return true;
        case TIMER_WAIT_UPDATE_MSR_RATE_SW_CONFIG_BLOCK:
            stop();
            m_pHost->Frame_StoreDisplaySettings();
            COM_ZMCOMConfgSetSoftwareConfigBlock(ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS);
            return true;
        case TIMER_WAIT_UPDATE_SERIAL_NO_ROT_OPERATION:
            stop();
            COM_ZMCOMConfgSetSerialNumberRotorOperation(-1);
            return true;
        case TIMER_RETRY_SW_CONFIG_BLOCK:
            if (m_pPanel->Panel_IsRunning())
                return true;
            COM_ZMCOMConfgSetSoftwareConfigBlock(ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS);
            stop();
            return true;
        case TIMER_INIT_DONE_SINGLE_SHOT:
            stop();
            m_pPanel->Panel_OnBtnSingleShot();
            return true;
        case TIMER_INACCURACY_RESTART:
            stop();
            m_bRestartTimerArmed = false;
            COM_ZMCOMConfgRestartSensor();
            return true;
        case TIMER_LOW_PASS_RESTART:
            ZMCOMConfg_ClearReceiveBuffer();
            stop();
            m_bRestartTimerArmed = false;
            COM_ZMCOMConfgNewLowPassFilterIsSetRestartThatDevice();
            return true;
        case TIMER_ANSWER_WAIT:
            stop();
            COM_OnAnswerWaitExpired();
            return true;
        case TIMER_SEARCH_SCAN:
            stop();
            ZMQBXUSBTQ5_ScanAddresses();
            return true;
        case TIMER_LINE_SEARCH:
            COM_OnLineSearchTick();
            return true;
        case TIMER_LINE_BROKEN:
            stop();
            COM_OnLineBroken();
            return true;
        default:
            return false;
    }
}
