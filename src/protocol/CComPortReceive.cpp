// Receive path: buffering, synchronisation on STX, removal of the doubled 0x02, the answer check,
// the dispatch to the handler of the expected answer, and the handlers of the framed answers.
// A handler sees a complete frame with correct check bytes at the start of m_strReceiveCOM; a frame
// that no handler takes is dropped, so it never swallows the next answer.
#include "protocol/CComPort.h"

#include "protocol/CComPortAdjustRole.h"
#include "protocol/CComPortCalibRole.h"
#include "protocol/CComPortConnectionRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/CComPortStartUpRole.h"
#include "protocol/ComPortTimers.h"

namespace
{
constexpr int SLOW_ANSWER_BYTES = 5;
constexpr int MIN_STATUS_BYTES = 2;
constexpr int BLOCK_LENGTH = 40;
constexpr int FRAME_HEADER_LENGTH = 5;
constexpr int FRAME_OVERHEAD = 7;
constexpr int ACK_LENGTH = 7;
constexpr int NAK_LENGTH = 8;
constexpr int HELLO_LENGTH = 8;
constexpr int INDEX_ADDRESS = 3;
constexpr int INDEX_DATA = 5;
constexpr int INDEX_BUS_ADDRESS = 13;
constexpr BYTE LAST_BUS_ADDRESS = 249;
constexpr UINT BAUDRATE_RESTART_MS = 100;
constexpr UINT INACCURACY_RESTART_MS = 200;
constexpr UINT LOW_PASS_RESTART_MS = 100;

struct BlockHandler
{
    BYTE ucBlockNr;
    CComPort::ZMHandler pfnHandler;
};

BYTE ByteAt(const CString& str, int iIndex)
{
    return static_cast<BYTE>(str.GetAt(iIndex));
}

BYTE NextBlockOfChain(BYTE ucBlockNr)
{
    switch (ucBlockNr)
    {
        case 0:
        case 1:
        case 2:
            return static_cast<BYTE>(ucBlockNr + 1);
        case 3:
            return 0x80;
        default:
            return static_cast<BYTE>(ucBlockNr + 1);
    }
}
} // namespace

// ---- Entry

int CComPort::COM_OnReceiveData(UINT uiCount, const BYTE* pucBytes)
{
    if (pucBytes && uiCount > 0)
        m_strReceiveCOM += CString(reinterpret_cast<const char*>(pucBytes), static_cast<int>(uiCount));
    // Bytes that arrive while a handler waits in a modal loop are taken when it returns.
    if (m_bReceiving)
    {
        m_bMoreReceived = true;
        return 0;
    }
    struct CReceiving
    {
        bool& m_bFlag;
        explicit CReceiving(bool& bFlag) : m_bFlag(bFlag) { m_bFlag = true; }
        ~CReceiving() { m_bFlag = false; }
    } receiving(m_bReceiving);
    do
    {
        m_bMoreReceived = false;
        ZMCOMConfg_ProcessReceiveBuffer();
    } while (m_bMoreReceived);
    COM_TakeDeferredSingleShot();
    return 0;
}

void CComPort::ZMCOMConfg_ProcessReceiveBuffer()
{
    if (ZMCOMConfg_IsSlowState(m_iZMCOMConfgFlow) && m_strReceiveCOM.GetLength() < SLOW_ANSWER_BYTES)
        ZMCOMConfg_LogShortAnswer();
    while (ZMCOMConfg_ProcessOnce())
    {
    }
}

// Handles what the buffer holds in the current state; true when a frame was taken and more may follow.
bool CComPort::ZMCOMConfg_ProcessOnce()
{
    const int iState = m_iZMCOMConfgFlow;
    switch (iState)
    {
        case ZM_START_MEASURE_SOSM:
        case ZM_TRIGGER_ACTIV:
        case ZM_SET_CTRL_ON_SOSM:
        case ZM_SET_CTRL_OFF_SOSM:
        {
            bool bChannelA = true;
            bool bChannelB = true;
            m_pAdjust->Adjust_GetChannelSelection(bChannelA, bChannelB);
            MAIN_FKTPTR = bChannelA != bChannelB ? &CComPort::ZMCOMConfg_AnalyseMeasureStreamOneChannel
                                                 : &CComPort::ZMCOMConfg_AnalyseMeasureStream;
            ZMCOMC_PREV = MAIN_FKTPTR;
            (this->*MAIN_FKTPTR)();
            return false;
        }
        case ZM_CNFG_NEW_BAUDRATE_IS_SETTED:
        case ZM_CNFG_NEW_LOW_PASS_IS_SETTED:
            // What a restarting sensor sends is dropped.
            ZMCOMConfg_ClearReceiveBuffer();
            if (iState == ZM_CNFG_NEW_LOW_PASS_IS_SETTED)
                m_bPageSwitchLocked = false;
            return false;
        default:
            break;
    }
    if (m_strReceiveCOM.GetLength() <= 2 || !ZMCOMConfg_SyncFrame())
        return false;
    if (ZMCOMConfg_NoteAnswer() && ZMCOMConfg_SelectAnalyse() &&
        ZMCOMConfg_HandlerTakesFrames(m_iZMCOMConfgFlow) && MAIN_FKTPTR)
        (this->*MAIN_FKTPTR)();
    if (m_iFrameInBuffer > 0)
    {
        COM_Trace("ZMCOMConfg: Antwort ohne Empfänger verworfen");
        ZMCOMConfg_TakeFrame();
    }
    return true;
}

bool CComPort::ZMCOMConfg_HandlerTakesFrames(int iState) const
{
    switch (iState)
    {
        case ZM_START_MEASURE_NO_SOSM:
        case ZM_STOP_MEASURE:
        case 10:
        case 11:
        case 13:
        case 15:
        case ZM_CNFG_NEW_BAUDRATE_IS_SETTED:
        case ZM_SET_OTHER_ADDRESS_OF_INTERFACE:
        case ZM_CNFG_NEW_LOW_PASS_IS_SETTED:
            return false;
        default:
            return iState >= ZM_DEL_BUF && iState <= ZM_CNFG_SET_NEW_LOW_PASS_FILTER;
    }
}

bool CComPort::ZMCOMConfg_IsSlowState(int iState)
{
    switch (iState)
    {
        case ZM_RESTART_SENSOR:
        case ZM_USERCALIB_DEACTIVATE:
        case ZM_USERCALIB_ACTIVATE:
        case ZM_SET_NEW_USERCALIB:
        case ZM_SET_NEW_FACCALIB:
        case ZM_SET_INACCURACY_USERCALIB:
        case ZM_SET_INACCURACY_FACTORYCALIB:
        case ZM_CNFG_ST_OPERATION_BLOCK:
        case ZM_CNFG_RT_FACTORY_CALIB_NEW:
        case ZM_FACTORYCALIB_ACTIVATE:
        case ZM_FACTORYCALIB_DEACTIVATE:
        case ZM_RESTART_SENSOR_AFTER_INIT:
            return true;
        default:
            return false;
    }
}

// An incomplete answer during a configuration write or restart goes to the diagnostic log; the rest
// of the answer comes with a later chunk.
void CComPort::ZMCOMConfg_LogShortAnswer()
{
    CString strCount;
    strCount.Format("%d Zeichen in Empfangskette", m_strReceiveCOM.GetLength());
    CString strState = "ZM steht auf: \t" + COM_GetZMStateName(m_iZMCOMConfgFlow) +
                       "\r\n\r\n\tButton String:\r\n\t--------------\r\n" +
                       m_pPanel->Panel_GetButtonStateText();
    m_pHost->Frame_WriteDiagnosticLog(m_sSensor, strCount, strState);
}

// ---- Framing

bool CComPort::ZMCOMConfg_SyncFrame()
{
    int iDropped = 0;
    bool bFound = false;
    while (!bFound)
    {
        const int iStx = m_strReceiveCOM.Find(static_cast<char>(STX));
        if (iStx != 0)
        {
            const int iSkip = iStx < 0 ? m_strReceiveCOM.GetLength() : iStx;
            m_strReceiveCOM.Delete(0, iSkip);
            iDropped += iSkip;
        }
        if (m_strReceiveCOM.GetLength() < 2)
            break;
        const BYTE ucCode = ByteAt(m_strReceiveCOM, 1);
        if (ucCode != m_ucCommand && ucCode != CODE_HELLO && ucCode != CODE_ACK && ucCode != CODE_NAK)
        {
            m_strReceiveCOM.Delete(0, 1);
            ++iDropped;
            continue;
        }
        CString strFrame;
        int iRawLength = 0;
        const FrameScan scan = ZMCOMConfg_ScanFrame(m_strReceiveCOM, 0, strFrame, iRawLength);
        if (scan == FrameScan::Incomplete)
        {
            ZMCOMConfgERRDataFrameToSmall();
            break;
        }
        if (scan == FrameScan::Broken)
        {
            m_strReceiveCOM.Delete(0, 1);
            ++iDropped;
            continue;
        }
        const int iCheck = TerSend_CheckAnswer(strFrame, FALSE);
        if (iCheck != ANSWER_OK)
        {
            ZMCOMConfgERRCheckCmdFailed(iRawLength, iCheck);
            continue;
        }
        if (ucCode != m_ucCommand)
        {
            m_ucCommand = ucCode;
            m_iAnswerLength =
                ucCode == CODE_ACK ? ACK_LENGTH : (ucCode == CODE_NAK ? NAK_LENGTH : HELLO_LENGTH);
        }
        ZMCOMConfg_PlaceFrame(iRawLength, strFrame);
        bFound = true;
    }
    if (iDropped > 0)
        ZMCOMConfgERRCmdNotFound(iDropped);
    return bFound;
}

CComPort::FrameScan CComPort::ZMCOMConfg_ScanFrame(const CString& str, int iStart, CString& strFrame,
                                                   int& iRawLength)
{
    const int iLength = str.GetLength();
    if (iStart >= iLength)
        return FrameScan::Incomplete;
    strFrame = CString(str.GetAt(iStart));
    int iTotal = -1;
    int i = iStart + 1;
    while (iTotal < 0 || strFrame.GetLength() < iTotal)
    {
        if (i >= iLength)
            return FrameScan::Incomplete;
        const char ch = str.GetAt(i);
        if (static_cast<BYTE>(ch) == STX)
        {
            if (i + 1 >= iLength)
                return FrameScan::Incomplete;
            // A single 0x02 inside a frame starts a new one.
            if (static_cast<BYTE>(str.GetAt(i + 1)) != STX)
                return FrameScan::Broken;
            ++i;
        }
        ++i;
        strFrame += ch;
        if (strFrame.GetLength() == FRAME_HEADER_LENGTH)
        {
            iTotal = ByteAt(strFrame, FRAME_HEADER_LENGTH - 1) + FRAME_OVERHEAD;
            if (iTotal > MAX_ANSWER_LENGTH)
                return FrameScan::Broken;
        }
    }
    iRawLength = i - iStart;
    return FrameScan::Complete;
}

// The frame at the start of the buffer is replaced by its unstuffed form.
void CComPort::ZMCOMConfg_PlaceFrame(int iRawLength, const CString& strFrame)
{
    m_strReceiveCOM = strFrame + m_strReceiveCOM.Mid(iRawLength);
    m_iFrameInBuffer = strFrame.GetLength();
}

// While a frame is dispatched it is that frame; a caller that puts a stored answer into the buffer
// and calls a handler directly hands over the whole buffer.
int CComPort::ZMCOMConfg_FrameLength() const
{
    return m_iFrameInBuffer > 0 ? m_iFrameInBuffer : m_strReceiveCOM.GetLength();
}

CString CComPort::ZMCOMConfg_CurrentFrame() const
{
    return m_strReceiveCOM.Left(ZMCOMConfg_FrameLength());
}

void CComPort::ZMCOMConfg_TakeFrame()
{
    if (m_iFrameInBuffer > 0)
        m_strReceiveCOM.Delete(0, m_iFrameInBuffer);
    else
        m_strReceiveCOM.Empty();
    m_iFrameInBuffer = 0;
}

void CComPort::ZMCOMConfg_ClearReceiveBuffer()
{
    m_strReceiveCOM.Empty();
    m_iFrameInBuffer = 0;
}

CString CComPort::ZMCOMConfg_RemoveStuffing(const CString& strIn, int iExpectedLength)
{
    if (strIn.IsEmpty())
        return strIn;
    CString strOut(strIn.GetAt(0));
    for (int i = 1; i < strIn.GetLength() && strOut.GetLength() < iExpectedLength; ++i)
    {
        strOut += strIn.GetAt(i);
        if (ByteAt(strIn, i) == STX && i + 1 < strIn.GetLength() && ByteAt(strIn, i + 1) == STX)
            ++i;
    }
    return strOut;
}

bool CComPort::ZMCOMConfg_SelectAnalyse()
{
    static const BlockHandler BLOCK_HANDLERS[] = {
        {0, &CComPort::ZMCOMConfg_AnalyseReadConfigStHeader},
        {1, &CComPort::ZMCOMConfg_AnalyseReadConfigStHardware},
        {2, &CComPort::ZMCOMConfg_AnalyseReadConfigStOperation},
        {3, &CComPort::ZMCOMConfg_AnalyseReadConfigStSoftwareConfiguration},
        {4, &CComPort::ZMCOMConfg_AnalyseReadConfigBlock4},
        {0x80, &CComPort::ZMCOMConfg_AnalyseReadConfigRtHeader},
        {0x81, &CComPort::ZMCOMConfg_AnalyseReadConfigRtFactCalib},
        {0x82, &CComPort::ZMCOMConfg_AnalyseReadConfigRtUserCalib},
        {0x83, &CComPort::ZMCOMConfg_AnalyseReadConfigRtOperation},
    };
    switch (m_ucCommand)
    {
        case CODE_NAK:
            MAIN_FKTPTR = &CComPort::ZMCOMConfg_AnalyseNack;
            return true;
        case CODE_ACK:
            MAIN_FKTPTR = &CComPort::ZMCOMConfg_AnalyseAck;
            return true;
        case CODE_HELLO:
            ZMCOMC_PREV = MAIN_FKTPTR;
            MAIN_FKTPTR = &CComPort::ZMCOMConfg_AnalyseHello;
            return true;
        case CODE_STATUS_LONG:
            MAIN_FKTPTR = &CComPort::ZMCOMConfg_AnalyseStatusLong;
            return true;
        case CODE_READ_RAW:
        {
            const int iState = m_iZMCOMConfgFlow;
            const bool bInit = iState == ZM_START_INIT || iState == ZM_READ_RAW_CALIB_INIT ||
                               iState == ZM_LIST_CTRL_CHANGE_READ_RAW;
            MAIN_FKTPTR =
                bInit ? &CComPort::ZMCOMConfg_AnalyseReadRawInit : &CComPort::ZMCOMConfg_AnalyseReadRaw;
            ZMCOMC_PREV = MAIN_FKTPTR;
            return true;
        }
        case CODE_READ_CONFIG:
            for (const BlockHandler& block : BLOCK_HANDLERS)
            {
                if (block.ucBlockNr == m_ucBlockNr)
                    MAIN_FKTPTR = block.pfnHandler;
            }
            if (ZMCOMConfg_FrameLength() <= INDEX_DATA || ByteAt(m_strReceiveCOM, INDEX_DATA) != m_ucBlockNr)
                MAIN_FKTPTR = nullptr;
            return true;
        default:
            ZMCOMConfgERRCmdMissingAtSwitch();
            return false;
    }
}

// ---- Error reactions: no handler sees faulty data.

void CComPort::ZMCOMConfgERRCheckCmdFailed(int iRawLength, int iCheck)
{
    CString strTrace;
    strTrace.Format("ZMCOMConfgERRCheckCmdFailed: Prüfbytes falsch (%d), %d Zeichen verworfen", iCheck,
                    iRawLength);
    COM_Trace(strTrace);
    m_strReceiveCOM.Delete(0, iRawLength);
}

void CComPort::ZMCOMConfgERRDataFrameToSmall()
{
    // The rest of the frame comes with a later chunk.
}

void CComPort::ZMCOMConfgERRCmdNotFound(int iDropped)
{
    CString strTrace;
    strTrace.Format("ZMCOMConfgERRCmdNotFound: %d Zeichen ohne Rahmenanfang verworfen", iDropped);
    COM_Trace(strTrace);
}

void CComPort::ZMCOMConfgERRCmdMissingAtSwitch()
{
    CString strTrace;
    strTrace.Format("ZMCOMConfgERRCmdMissingAtSwitch: keine Auswertung für 0x%02X", m_ucCommand);
    COM_Trace(strTrace);
}

// ---- Negative acknowledgement, acknowledgement, hello

void CComPort::ZMCOMConfg_ClearSoftwareConfigFlags()
{
    m_sSensor.ucSwCfgActive = 0;
    m_sSensor.ucSwScalingA = 0;
    m_sSensor.ucSwScalingB = 0;
    m_sSensor.ucSwCfgValid = 0;
    m_sSensor.ucSwCfgRead = 0;
}

void CComPort::ZMCOMConfg_AnalyseNack()
{
    if (ZMCOMConfg_FrameLength() <= INDEX_DATA)
        return;
    m_sSensor.ucNakCode = ByteAt(m_strReceiveCOM, INDEX_DATA);
    switch (m_iZMCOMConfgFlow)
    {
        case ZM_START_INIT:
        case ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED:
            // The software configuration was refused: go on with the rotor blocks.
            ZMCOMConfg_TakeFrame();
            if (m_iZMCOMConfgFlow == ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED)
            {
                COM_MarkSearchActivity();
                m_pStartUp->StartUp_AdvanceSearchProgress(0);
            }
            ZMCOMConfg_ClearSoftwareConfigFlags();
            m_pHost->Frame_AddSoftwareScalingUnit();
            COM_RequestBlock(0x80);
            break;
        case ZM_CNFG_SET_NEW_BAUDRATE:
            ZMCOMConfg_TakeFrame();
            m_pStartUp->StartUp_HideSearchProgress();
            m_pConnection->Connection_ClearBaudChangePending();
            break;
        case ZM_SET_SERIAL_NUBMER_ROTOR_OPERATION:
        case ZM_CNFG_SET_NEW_LOW_PASS_FILTER:
            ZMCOMConfg_TakeFrame();
            break;
        case ZM_SET_NEW_FACCALIB:
        case ZM_SET_INACCURACY_FACTORYCALIB:
        case ZM_CONFIGURE_SENSOR:
        case ZM_FACTORYCALIB_ACTIVATE:
        case ZM_FACTORYCALIB_DEACTIVATE:
            break;
        default:
            ZMCOMConfg_TakeFrame();
            MAIN_FKTPTR = nullptr;
            break;
    }
}

void CComPort::ZMCOMConfg_AnalyseAck()
{
    auto done = [this]
    {
        ZMCOMConfg_TakeFrame();
        MAIN_FKTPTR = nullptr;
    };
    switch (m_iZMCOMConfgFlow)
    {
        case ZM_SET_CTRL_ON:
        case ZM_SET_CTRL_OFF:
        {
            const bool bOn = m_iZMCOMConfgFlow == ZM_SET_CTRL_ON;
            m_pPanel->Panel_ShowControlLed(bOn);
            ZMCOMConfg_TakeFrame();
            const CalibValuesStruct& a = m_sCalibValues[0];
            const CalibValuesStruct& b = m_sCalibValues[1];
            if (COM_IsCalibIdle())
            {
                COM_ZMCOMConfgSingleShot();
                MAIN_FKTPTR = nullptr;
            }
            else if (bOn)
            {
                if (!a.bCtrlRead && !b.bCtrlRead)
                    COM_ZMCOMConfgReadRawCalibInit(2);
            }
            else if (!a.bZeroRead && !b.bZeroRead)
                COM_ZMCOMConfgReadRawCalibInit(0);
            else
                m_pCalib->CalibZero_CloseFromProtocol();
            break;
        }
        case ZM_SET_CTRL_ON_SOSM:
        case ZM_SET_CTRL_OFF_SOSM:
            m_pPanel->Panel_ShowControlLed(m_iZMCOMConfgFlow == ZM_SET_CTRL_ON_SOSM);
            m_iZMCOMConfgFlow = ZM_START_MEASURE_SOSM;
            m_pHost->Frame_ResetMeanLists(4);
            m_pHost->Frame_ResetMeanLists(5);
            COM_ZMCOMConfgSendStartStream();
            break;
        case ZM_USERCALIB_DEACTIVATE:
        case ZM_USERCALIB_ACTIVATE:
        case ZM_FACTORYCALIB_ACTIVATE:
        case ZM_FACTORYCALIB_DEACTIVATE:
        case ZM_SET_INACCURACY_FACTORYCALIB:
            done();
            COM_ZMCOMConfgRestartSensor();
            break;
        case ZM_SET_NEW_USERCALIB:
        case ZM_SET_NEW_FACCALIB:
            m_pCalib->Calib_AdvanceCalibProgress(1);
            done();
            COM_ZMCOMConfgRestartSensor();
            break;
        case ZM_SET_INACCURACY_USERCALIB:
            done();
            COM_ArmRestartTimer(TIMER_INACCURACY_RESTART, INACCURACY_RESTART_MS);
            break;
        case ZM_START_INIT:
            ZMCOMConfg_TakeFrame();
            m_sSensor.ucNakCode = 0;
            COM_ZMCOMConfgReadRaw();
            break;
        case ZM_CNFG_SET_NEW_BAUDRATE:
            done();
            COM_ArmRestartTimer(TIMER_BAUDRATE_RESTART, BAUDRATE_RESTART_MS);
            break;
        case ZM_CNFG_SET_NEW_LOW_PASS_FILTER:
            done();
            COM_ArmRestartTimer(TIMER_LOW_PASS_RESTART, LOW_PASS_RESTART_MS);
            break;
        case ZM_SET_SERIAL_NUBMER_ROTOR_OPERATION:
            done();
            m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
            m_pPanel->Panel_OnSensorConnected();
            break;
        case ZM_CNFG_SW_CONFIG_SET_SCALING_A:
        case ZM_CNFG_SW_CONFIG_SET_SCALING_B:
        case ZM_CNFG_SW_CONFIG_DELETE_BLOCK:
            done();
            m_strStSoftwareConfigBlock =
                ZMCOMConfg_RemoveStuffing(m_strStSoftwareConfigBlockToWrite, BLOCK_LENGTH);
            ZMCOMConfg_ReanalyseSoftwareConfiguration();
            m_pAdjust->Adjust_UpdateControls(m_pHost->Frame_GetLanguageOffset());
            break;
        case ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS:
            m_strStSoftwareConfigBlock =
                ZMCOMConfg_RemoveStuffing(m_strStSoftwareConfigBlockToWrite, BLOCK_LENGTH);
            done();
            break;
        default:
            break;
    }
}

void CComPort::ZMCOMConfg_AnalyseHello()
{
    ZMCOMConfg_TakeFrame();
    switch (m_iZMCOMConfgFlow)
    {
        case ZM_START_INIT:
        {
            MAIN_FKTPTR = ZMCOMC_PREV;
            CString strUnsent;
            TerSend_ReadStatusLong(strUnsent);
            break;
        }
        case ZM_STOP_MEASURE:
            ZMCOMConfg_ClearReceiveBuffer();
            MAIN_FKTPTR = nullptr;
            break;
        case ZM_RESTART_SENSOR_AFTER_INIT:
            COM_ZMCOMConfgStartInit();
            break;
        case ZM_RESTART_SENSOR:
            m_pPanel->Panel_OnSensorConnected();
            ZMCOMConfg_ClearReceiveBuffer();
            MAIN_FKTPTR = nullptr;
            m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
            COM_SingleShot();
            break;
        case ZM_USERCALIB_DEACTIVATE:
        case ZM_USERCALIB_ACTIVATE:
        case ZM_SET_NEW_USERCALIB:
        case ZM_SET_NEW_FACCALIB:
        case ZM_SET_INACCURACY_USERCALIB:
        case ZM_SET_INACCURACY_FACTORYCALIB:
        case ZM_CNFG_ST_OPERATION_BLOCK:
        case ZM_CNFG_RT_FACTORY_CALIB_NEW:
        case ZM_FACTORYCALIB_ACTIVATE:
        case ZM_FACTORYCALIB_DEACTIVATE:
        case ZM_CNFG_SET_NEW_LOW_PASS_FILTER:
            // The sensor is back after a configuration write: its whole configuration is read again.
            ZMCOMConfg_ClearReceiveBuffer();
            MAIN_FKTPTR = nullptr;
            m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
            COM_ZMCOMConfgStartInit();
            break;
        case ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED:
            m_pStartUp->StartUp_ShowSearchFailed();
            m_pHost->Frame_EndWaitCursor();
            break;
        default:
            break;
    }
}

// ---- Status long

void CComPort::ZMCOMConfg_AnalyseStatusLong()
{
    if (ZMCOMConfg_FrameLength() < MIN_STATUS_BYTES)
        return;
    const CString strAnswer = ZMCOMConfg_CurrentFrame();
    const BOOL bDecoded = TerSend_ReadStatusLongIntoSensor(strAnswer, m_sSensor);
    ZMCOMConfg_TakeFrame();
    MAIN_FKTPTR = nullptr;
    if (!bDecoded)
        return;
    const BYTE ucAddress = ByteAt(strAnswer, INDEX_ADDRESS);
    switch (m_iZMCOMConfgFlow)
    {
        case ZM_START_INIT:
            m_bPageSwitchLocked = true;
            COM_RequestBlock(0);
            break;
        case ZM_GET_STATUS_LONG:
            m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
            break;
        case ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED:
        {
            COM_MarkSearchActivity();
            ComPortStruct& entry = COM_Entry(m_iCountHits);
            entry.lComPortBaudrate = m_lDefaultBaudrate;
            entry.ucInterfaceAddress = ucAddress;
            TerSend_SetAddress(ucAddress, OWN_ADDRESS);
            m_pHost->Frame_KillTimer(TIMER_SEARCH_PORT_NO_ANSWER);
            ZMQBXUSBTQ5_CheckInterface();
            break;
        }
        case ZM_CHECK_IF_QBX_USB_TQ5_CHECK_ADDRESSES:
        {
            COM_MarkSearchActivity();
            ComPortStruct& entry = COM_Entry(m_iCountHits);
            entry.strAddressAnswer[ucAddress] = strAnswer;
            entry.ucAddressAnswered[ucAddress] = 1;
            entry.ucInterfaceAddress = ucAddress;
            m_bScanAnswered = true;
            // While the scan still writes, its end starts the analysis.
            if (m_iScanAddress == 0)
                ZMQBXUSBTQ5_ScanFinished();
            break;
        }
        default:
            break;
    }
}

// ---- Configuration blocks

bool CComPort::ZMCOMConfg_TakeBlock(BYTE ucBlockNr, CString& strStored)
{
    if (ZMCOMConfg_FrameLength() < BLOCK_LENGTH)
        return false;
    const CString strBlock = ZMCOMConfg_CurrentFrame();
    TerSend_ReadBlockIntoSensor(strBlock, ucBlockNr, m_sSensor);
    strStored = strBlock;
    return true;
}

void CComPort::ZMCOMConfg_ContinueReadChain(BYTE ucBlockNr)
{
    ZMCOMConfg_TakeFrame();
    MAIN_FKTPTR = nullptr;
    if (m_iZMCOMConfgFlow == ZM_START_INIT)
        COM_RequestBlock(NextBlockOfChain(ucBlockNr));
    else if (m_iZMCOMConfgFlow == ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED)
    {
        COM_MarkSearchActivity();
        m_pStartUp->StartUp_AdvanceSearchProgress(0);
        COM_RequestBlock(NextBlockOfChain(ucBlockNr));
    }
}

void CComPort::ZMCOMConfg_AnalyseReadConfigStHeader()
{
    if (ZMCOMConfg_TakeBlock(0, m_strStHeaderBlock))
        ZMCOMConfg_ContinueReadChain(0);
}

void CComPort::ZMCOMConfg_AnalyseReadConfigStHardware()
{
    if (ZMCOMConfg_TakeBlock(1, m_strStHardwareBlock))
        ZMCOMConfg_ContinueReadChain(1);
}

// The bus address must lie in 1..249; the copy that writes start from gets 1 otherwise.
void CComPort::ZMCOMConfg_AnalyseReadConfigStOperation()
{
    if (!ZMCOMConfg_TakeBlock(2, m_strStOperationBlock))
        return;
    m_strStOperationBlockToWrite = m_strStOperationBlock;
    const BYTE ucAddress = ByteAt(m_strStOperationBlock, INDEX_BUS_ADDRESS);
    if (ucAddress < 1 || ucAddress > LAST_BUS_ADDRESS)
        m_strStOperationBlockToWrite.SetAt(INDEX_BUS_ADDRESS, 1);
    if (m_sSensor.ucBusAddress < 1 || m_sSensor.ucBusAddress > LAST_BUS_ADDRESS)
        m_sSensor.ucBusAddress = 1;
    ZMCOMConfg_ContinueReadChain(2);
}

void CComPort::ZMCOMConfg_AnalyseReadConfigStSoftwareConfiguration()
{
    if (!ZMCOMConfg_TakeBlock(3, m_strStSoftwareConfigBlock))
        return;
    if (m_iZMCOMConfgFlow == ZM_START_INIT)
        m_pHost->Frame_AddSoftwareScalingUnit();
    ZMCOMConfg_ContinueReadChain(3);
}

void CComPort::ZMCOMConfg_AnalyseReadConfigBlock4()
{
    // Block 4 has no contents.
}

void CComPort::ZMCOMConfg_AnalyseReadConfigRtHeader()
{
    if (ZMCOMConfg_TakeBlock(0x80, m_strRtHeaderBlock))
        ZMCOMConfg_ContinueReadChain(0x80);
}

void CComPort::ZMCOMConfg_AnalyseReadConfigRtFactCalib()
{
    if (ZMCOMConfg_TakeBlock(0x81, m_strRtFactCalibBlock))
        ZMCOMConfg_ContinueReadChain(0x81);
}

void CComPort::ZMCOMConfg_AnalyseReadConfigRtUserCalib()
{
    if (ZMCOMConfg_TakeBlock(0x82, m_strRtUserCalibBlock))
        ZMCOMConfg_ContinueReadChain(0x82);
}

// The last block of the chain.
void CComPort::ZMCOMConfg_AnalyseReadConfigRtOperation()
{
    if (!ZMCOMConfg_TakeBlock(0x83, m_strRtOperationBlock))
        return;
    ZMCOMConfg_TakeFrame();
    MAIN_FKTPTR = nullptr;
    if (m_iZMCOMConfgFlow == ZM_START_INIT)
    {
        m_pHost->Frame_SetupChannels(1, &m_sSensor);
        COM_UpdateScaleFactors();
        COM_ZMCOMConfgReadRaw();
    }
    else if (m_iZMCOMConfgFlow == ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED)
    {
        COM_Entry(m_iCountHits).sSensor = m_sSensor;
        m_pStartUp->StartUp_AdvanceSearchProgress(0);
        ZMQBXUSBTQ5_AvailablePorts();
    }
}

// After an acknowledged software-configuration write the written block is decoded as if read.
void CComPort::ZMCOMConfg_ReanalyseSoftwareConfiguration()
{
    ReadConfig(nullptr, 3);
    m_strReceiveCOM = m_strStSoftwareConfigBlock;
    m_iFrameInBuffer = 0;
    ZMCOMConfg_AnalyseReadConfigStSoftwareConfiguration();
    ZMCOMConfg_ApplySoftwareScalingUnits();
    ZMCOMConfg_ClearReceiveBuffer();
}

void CComPort::ZMCOMConfg_ApplySoftwareScalingUnits()
{
    m_pHost->Frame_SetSoftwareScalingUnit(0, m_sSensor.dSwScaleA, m_sSensor.strSwUnitA);
    if (!ZMCOMConfg_HasDigitalInput())
        m_pHost->Frame_SetSoftwareScalingUnit(1, m_sSensor.dSwScaleB, m_sSensor.strSwUnitB);
}

// Channel B carries the digital input of a QBX interface with stator type 5.
bool CComPort::ZMCOMConfg_HasDigitalInput() const
{
    return m_sSensor.ucInterfaceKind == 1 && m_sSensor.ucNoDigitalInput == 0 && m_sSensor.ucStatorType == 5;
}
