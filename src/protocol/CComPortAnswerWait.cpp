// Requests that wait for an answer: each is guarded by TIMER_ANSWER_WAIT and repeated when its answer
// does not come (lost, spoiled or cut short); refusals in a block read chain count as well. After the
// repeats the request is given up with the outcome of a lost sensor for the state it was sent in.
// The give-up runs from the timer, never inside the receive path, since it may close the port.
#include "protocol/CComPort.h"

#include "protocol/CComPortHost.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/ComPortTimers.h"

namespace
{
// Repeats after the first request; the refusals allowed in one block read chain.
constexpr int ANSWER_REPEATS = 2;
constexpr UINT GIVE_UP_NOW_MS = USER_TIMER_MINIMUM;
constexpr int INDEX_BLOCK_NR = 5;
} // namespace

bool CComPort::COM_Write(const CString& strRequest)
{
    COM_ForgetAwaitedAnswer();
    return COM_WriteBytes(strRequest);
}

// The request is built (its expectation set) before; the same request sent again while its answer
// is awaited (a polling tick, a re-read after a refusal) keeps the wait that runs.
bool CComPort::COM_WriteAwaited(const CString& strRequest, BYTE ucAnswerCode, UINT uiWaitMs)
{
    if (strRequest != m_strAwaitedRequest)
    {
        COM_ForgetAwaitedAnswer();
        m_strAwaitedRequest = strRequest;
        m_ucAwaitedCommand = m_ucCommand;
        m_iAwaitedAnswerLength = m_iAnswerLength;
        m_ucAwaitedBlockNr = m_ucBlockNr;
        m_ucAwaitedAnswerCode = ucAnswerCode;
        m_uiAwaitMs = uiWaitMs;
        m_pHost->Frame_SetTimer(TIMER_ANSWER_WAIT, uiWaitMs);
    }
    return COM_WriteBytes(strRequest);
}

void CComPort::COM_ForgetAwaitedAnswer()
{
    if (m_strAwaitedRequest.IsEmpty())
        return;
    m_strAwaitedRequest.Empty();
    m_iAwaitFailures = 0;
    m_pHost->Frame_KillTimer(TIMER_ANSWER_WAIT);
}

bool CComPort::ZMCOMConfg_NoteAnswer()
{
    if (m_strAwaitedRequest.IsEmpty())
        return true;
    const BYTE ucCode = static_cast<BYTE>(m_strReceiveCOM.GetAt(1));
    const bool bChain =
        m_iZMCOMConfgFlow == ZM_START_INIT || m_iZMCOMConfgFlow == ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED;
    if (ucCode == CODE_NAK && bChain)
    {
        // The chain goes on past a refused block (or reads it again) until the refusals are used up.
        if (++m_iChainRefusals <= ANSWER_REPEATS)
            return true;
        COM_Trace("ZMCOMConfg: Anfrage wiederholt abgelehnt, gibt auf");
        m_iAwaitFailures = ANSWER_REPEATS;
        m_pHost->Frame_SetTimer(TIMER_ANSWER_WAIT, GIVE_UP_NOW_MS);
        return false;
    }
    const bool bAwaited = ucCode == m_ucAwaitedAnswerCode &&
                          (ucCode != CODE_READ_CONFIG ||
                           (ZMCOMConfg_FrameLength() > INDEX_BLOCK_NR &&
                            static_cast<BYTE>(m_strReceiveCOM.GetAt(INDEX_BLOCK_NR)) == m_ucAwaitedBlockNr));
    // A refusal outside a chain answers the request as well: it is not repeated.
    if (bAwaited || ucCode == CODE_NAK)
        COM_ForgetAwaitedAnswer();
    return true;
}

void CComPort::COM_OnAnswerWaitExpired()
{
    if (m_strAwaitedRequest.IsEmpty())
        return;
    if (++m_iAwaitFailures > ANSWER_REPEATS)
    {
        COM_GiveUpAwaitedAnswer();
        return;
    }
    CString strTrace;
    strTrace.Format("ZMCOMConfg: keine Antwort auf 0x%02X, Anfrage wiederholt (%d)", m_ucAwaitedCommand,
                    m_iAwaitFailures);
    COM_Trace(strTrace);
    // Bytes of a spoiled or cut answer must not join the repeated one.
    ZMCOMConfg_ClearReceiveBuffer();
    m_ucCommand = m_ucAwaitedCommand;
    m_iAnswerLength = m_iAwaitedAnswerLength;
    m_ucBlockNr = m_ucAwaitedBlockNr;
    m_pHost->Frame_SetTimer(TIMER_ANSWER_WAIT, m_uiAwaitMs);
    COM_WriteBytes(m_strAwaitedRequest);
}

void CComPort::COM_GiveUpAwaitedAnswer()
{
    CString strTrace;
    strTrace.Format("ZMCOMConfg: keine Antwort auf 0x%02X nach %d Wiederholungen, %s", m_ucAwaitedCommand,
                    ANSWER_REPEATS, COM_GetZMStateName(m_iZMCOMConfgFlow).GetString());
    COM_Trace(strTrace);
    COM_ForgetAwaitedAnswer();
    ZMCOMConfg_ClearReceiveBuffer();
    MAIN_FKTPTR = nullptr;
    switch (m_iZMCOMConfgFlow)
    {
        case ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED:
            ZMQBXUSBTQ5_PortIsSilent();
            break;
        case ZM_START_INIT:
            COM_ZMCOMConfgStartInitNoAnswer();
            break;
        default:
            COM_SensorLost();
            break;
    }
}

// Outside the search and the initialisation: the requests stop and the frame handles the loss.
void CComPort::COM_SensorLost()
{
    COM_ResetSingleShotGate();
    m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
    m_bPageSwitchLocked = false;
    m_pPanel->Panel_StopMeasureTimer();
    m_pHost->Frame_HandleSensorLost(m_pPanel->Panel_IsRunning());
}
