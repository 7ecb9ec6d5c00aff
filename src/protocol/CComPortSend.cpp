// Command senders, measurement start and stop, and the configuration writes. Each sender builds its
// request (which sets the expected answer), sets the state, then writes.
#include "protocol/CComPort.h"

#include "framework/CWinApp.h"
#include "protocol/CComPortAdjustRole.h"
#include "protocol/CComPortCalibRole.h"
#include "protocol/CComPortConnectionRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/CComPortStartUpRole.h"
#include "protocol/ComPortTimers.h"
#include "protocol/ProtocolTexts.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace
{
// Waits for an answer before its request is repeated: status, raw values, blocks and the
// acknowledgement of a control command; the acknowledgement of a block write (the sensor stores
// it); the greeting of a restarted sensor.
constexpr UINT ANSWER_WAIT_MS = 200;
constexpr UINT WRITE_WAIT_MS = 1000;
constexpr UINT RESTART_WAIT_MS = 3000;
constexpr UINT WATCHDOG_MS = 800;
constexpr UINT RETRY_SW_CONFIG_MS = 500;
constexpr UINT BAUDRATE_CLOSE_MS = 100;
constexpr UINT CALIB_SAMPLE_PERIOD_MS = 8;
constexpr int STREAM_STOP_BYTES = 10;
constexpr int ROW_AVAILABLE_WITH_SERIAL = 2;

constexpr BYTE BLOCK_ST_OPERATION = 2;
constexpr BYTE BLOCK_ST_SOFTWARE_CONFIG = 3;
constexpr BYTE BLOCK_RT_FACTORY_CALIB = 129;
constexpr BYTE BLOCK_RT_USER_CALIB = 130;
constexpr BYTE BLOCK_RT_OPERATION = 131;

constexpr BYTE ADJUSTMENT_FACTORY = 2;
constexpr BYTE ADJUSTMENT_USER = 3;
constexpr double UNCERTAINTY_SCALE = 10000.0;

constexpr BYTE BAUD_CODE_115200 = 9;
constexpr BYTE BAUD_CODE_230400 = 16;

// Stator operation values written when the block as read failed its check.
void SetStatorOperationDefaults(SensorStruct& s)
{
    s.ucStOp12 = 0;
    s.ucBusAddress = 1;
    s.ucStOp15Bit0 = 0;
    s.ucStOp17 = 1;
    s.ucStOp18 = 2;
}
} // namespace

// ---- Senders

bool CComPort::COM_ZMCOMConfgStartInit()
{
    m_iZMCOMConfgFlow = ZM_START_INIT;
    m_iChainRefusals = 0;
    MAIN_FKTPTR = &CComPort::ZMCOMConfg_AnalyseStatusLong;
    CString strRequest;
    TerSend_ReadStatusLong(strRequest);
    ZMCOMConfg_ClearReceiveBuffer();
    // Guarded like every request; given up, it reports the connection lost (StartInitNoAnswer).
    const bool bWritten = COM_WriteAwaited(strRequest, CODE_STATUS_LONG, ANSWER_WAIT_MS);
    if (bWritten)
        m_pHost->Frame_BeginWaitCursor();
    return bWritten;
}

void CComPort::COM_ZMCOMConfgStartInitNoAnswer()
{
    COM_ForgetAwaitedAnswer();
    m_bPageSwitchLocked = false;
    m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
    m_pPanel->Panel_ResetToDisconnected();
    COM_UpdateConnectionListRow(m_strActivePortKey, ROW_AVAILABLE_WITH_SERIAL);
    m_strActivePortKey = m_strClosedPortName;
    COM_ClosePort();
    m_pHost->Frame_EndWaitCursor();
    AfxMessageBox(IDS_CONNECTION_UNSTABLE + m_pHost->Frame_GetLanguageOffset(), MB_OK);
}

bool CComPort::COM_ZMCOMConfgSingleShot()
{
    CString strRequest;
    TerSend_ReadRaw(strRequest);
    m_iZMCOMConfgFlow = ZM_SINGLE_SHOT;
    MAIN_FKTPTR = &CComPort::ZMCOMConfg_AnalyseReadRaw;
    return COM_WriteAwaited(strRequest, CODE_READ_RAW, ANSWER_WAIT_MS);
}

bool CComPort::COM_SingleShot()
{
    return COM_RequestSingleShot(SingleShotKind::Plain);
}

bool CComPort::COM_SingleShotForSoftwareConfig()
{
    return COM_RequestSingleShot(SingleShotKind::SoftwareConfig);
}

// ---- Single shots from outside a flow: never in place of the state a flow has pending.

bool CComPort::COM_RequestSingleShot(SingleShotKind eKind)
{
    if (COM_IsSingleShotRefused())
    {
        COM_Trace("ZMCOMConfg: Einzelmessung abgelehnt, " + COM_GetZMStateName(m_iZMCOMConfgFlow));
        return false;
    }
    if (COM_IsFlowPending())
    {
        m_eDeferredSingleShot = std::max(m_eDeferredSingleShot, eKind);
        COM_Trace("ZMCOMConfg: Einzelmessung zurückgestellt, " + COM_GetZMStateName(m_iZMCOMConfgFlow));
        return true;
    }
    COM_SendRequestedSingleShot(eKind);
    return true;
}

// Values come anyway (a stream starting, running or ending), or the search connects with an
// initialisation that ends with a single shot of its own. (The panel's running flag is no measure: the
// software scaling dialog holds it while it is open; the panel skips its own single shot while it is set.)
bool CComPort::COM_IsSingleShotRefused() const
{
    switch (m_iZMCOMConfgFlow)
    {
        case ZM_START_MEASURE_SOSM:
        case ZM_START_MEASURE_NO_SOSM:
        case ZM_TRIGGER_ACTIV:
        case ZM_SET_CTRL_ON_SOSM:
        case ZM_SET_CTRL_OFF_SOSM:
            return true;
        default:
            return COM_IsSearchRunning();
    }
}

// Another flow has the line: an initialisation, a sensor restart (asked for, or still to come after a
// write), a calibration reading, or any request whose answer is awaited (a single shot on its way
// too: the value asked for now must be measured after the request).
bool CComPort::COM_IsFlowPending() const
{
    if (m_bRestartTimerArmed)
        return true;
    switch (m_iZMCOMConfgFlow)
    {
        case ZM_STOP_MEASURE:
            return false;
        case ZM_START_INIT:
        case ZM_RESTART_SENSOR:
        case ZM_RESTART_SENSOR_AFTER_INIT:
        case ZM_READ_RAW_CALIB_INIT:
        case ZM_LIST_CTRL_CHANGE_READ_RAW:
        case ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED:
        case ZM_CHECK_IF_QBX_USB_TQ5_CHECK_ADDRESSES:
        case ZM_CNFG_NEW_BAUDRATE_IS_SETTED:
        case ZM_CNFG_NEW_LOW_PASS_IS_SETTED:
            return true;
        default:
            return !m_strAwaitedRequest.IsEmpty();
    }
}

void CComPort::COM_SendRequestedSingleShot(SingleShotKind eKind)
{
    if (eKind == SingleShotKind::SoftwareConfig)
        m_bSingleShotForSoftwareConfig = 1;
    COM_ZMCOMConfgSingleShot();
}

// Called when a received chunk or a timer step has been handled.
void CComPort::COM_TakeDeferredSingleShot()
{
    if (m_eDeferredSingleShot == SingleShotKind::None || COM_IsFlowPending())
        return;
    const SingleShotKind eKind = m_eDeferredSingleShot;
    m_eDeferredSingleShot = SingleShotKind::None;
    if (COM_IsSingleShotRefused())
        COM_Trace("ZMCOMConfg: zurückgestellte Einzelmessung verworfen, " +
                  COM_GetZMStateName(m_iZMCOMConfgFlow));
    else
        COM_SendRequestedSingleShot(eKind);
}

void CComPort::COM_ResetSingleShotGate()
{
    m_eDeferredSingleShot = SingleShotKind::None;
    m_bRestartTimerArmed = false;
}

void CComPort::COM_ArmRestartTimer(UINT uiTimerId, UINT uiMs)
{
    m_bRestartTimerArmed = true;
    m_pHost->Frame_SetTimer(uiTimerId, uiMs);
}

bool CComPort::COM_ZMCOMConfgReadRaw()
{
    CString strRequest;
    TerSend_ReadRaw(strRequest);
    return COM_WriteAwaited(strRequest, CODE_READ_RAW, ANSWER_WAIT_MS);
}

bool CComPort::COM_ZMCOMConfgSetCtrlOn()
{
    CString strRequest;
    TerSend_SetCtrlOn(strRequest);
    m_iZMCOMConfgFlow = ZM_SET_CTRL_ON;
    return COM_WriteAwaited(strRequest, CODE_ACK, ANSWER_WAIT_MS);
}

bool CComPort::COM_ZMCOMConfgSetCtrlOff()
{
    CString strRequest;
    TerSend_SetCtrlOff(strRequest);
    m_iZMCOMConfgFlow = ZM_SET_CTRL_OFF;
    return COM_WriteAwaited(strRequest, CODE_ACK, ANSWER_WAIT_MS);
}

bool CComPort::COM_ZMCOMConfgSetCtrlOnSOSM()
{
    CString strRequest;
    TerSend_SetCtrlOn(strRequest);
    m_iZMCOMConfgFlowNext = ZM_SET_CTRL_ON_SOSM;
    return COM_Write(strRequest);
}

bool CComPort::COM_ZMCOMConfgSetCtrlOffSOSM()
{
    CString strRequest;
    TerSend_SetCtrlOff(strRequest);
    m_iZMCOMConfgFlowNext = ZM_SET_CTRL_OFF_SOSM;
    return COM_Write(strRequest);
}

bool CComPort::COM_ZMCOMConfgRestartSensor()
{
    CString strRequest;
    TerSend_RestartSensor(strRequest);
    const bool bWritten = COM_WriteAwaited(strRequest, CODE_HELLO, RESTART_WAIT_MS);
    if (bWritten)
        m_bStreamStarted = 0;
    return bWritten;
}

bool CComPort::COM_ZMCOMConfgNewBaudrateIsSetRestartThatDevice()
{
    CString strRequest;
    TerSend_RestartSensor(strRequest);
    m_iZMCOMConfgFlow = ZM_CNFG_NEW_BAUDRATE_IS_SETTED;
    const bool bWritten = COM_Write(strRequest);
    if (bWritten)
        m_pHost->Frame_SetTimer(TIMER_BAUDRATE_CLOSE, BAUDRATE_CLOSE_MS);
    else
    {
        m_pStartUp->StartUp_HideSearchProgress();
        m_pConnection->Connection_ClearBaudChangePending();
    }
    return bWritten;
}

bool CComPort::COM_ZMCOMConfgNewLowPassFilterIsSetRestartThatDevice()
{
    CString strRequest;
    TerSend_RestartSensor(strRequest);
    m_iZMCOMConfgFlow = ZM_CNFG_NEW_LOW_PASS_IS_SETTED;
    return COM_Write(strRequest);
}

bool CComPort::COM_ZMCOMConfgReadRawCalibInit(int iKind)
{
    m_pHost->Frame_ResetCalibLists();
    m_iZMCOMConfgFlow = ZM_READ_RAW_CALIB_INIT;
    MAIN_FKTPTR = &CComPort::ZMCOMConfg_AnalyseReadRawInit;
    m_iCalibReadingKind = iKind;
    m_iCalibReadingCount = 0;
    m_pPanel->Panel_StartMeasureTimer(CALIB_SAMPLE_PERIOD_MS);
    return true;
}

bool CComPort::COM_RequestBlock(BYTE ucBlockNr)
{
    CString strRequest;
    ReadConfig(strRequest, ucBlockNr);
    return COM_WriteAwaited(strRequest, CODE_READ_CONFIG, ANSWER_WAIT_MS);
}

// ---- Measurement

bool CComPort::COM_ZMCOMConfgStartMeasure(int iState, bool bNewDiagram)
{
    m_bStreamRefused = 0;
    TerSend_SetMeasuringRate(static_cast<UINT>(m_pHost->Frame_GetMeasuringRateCode()));
    m_pHost->Frame_OnMeasureStarting(bNewDiagram);
    m_pPanel->Panel_BeginRunning();
    m_bStreamInSync = 1;
    m_bDeliverTwice = 0;
    m_iZMCOMConfgFlowNext = -1;
    m_iStreamConsumed = 0;
    if (m_bStreamMode == 0)
    {
        m_iZMCOMConfgFlow = iState == -1 ? ZM_START_MEASURE_NO_SOSM : iState;
        COM_ZMCOMConfgSingleShot();
        m_pPanel->Panel_StartMeasureTimer(static_cast<UINT>(m_iPollingPeriod));
        return true;
    }
    if (m_bStreamMode == 1)
    {
        m_iZMCOMConfgFlow = iState == -1 ? ZM_START_MEASURE_SOSM : iState;
        COM_ZMCOMConfgSendStartStream();
        return true;
    }
    return false;
}

bool CComPort::COM_ZMCOMConfgSendStartStream()
{
    bool bChannelA = true;
    bool bChannelB = true;
    m_pAdjust->Adjust_GetChannelSelection(bChannelA, bChannelB);
    CString strRequest;
    if (bChannelA == bChannelB)
        TerSend_StartMeasureAB(strRequest);
    else if (bChannelA)
        TerSend_StartMeasureA(strRequest);
    else
        TerSend_StartMeasureB(strRequest);
    ZMCOMConfg_ClearReceiveBuffer();
    m_bStreamStarted = 0;
    // The watchdog also covers a start that is never acknowledged, or whose request cannot be written.
    m_pPanel->Panel_SetTimer(TIMER_PANEL_WATCHDOG, WATCHDOG_MS);
    return COM_Write(strRequest);
}

bool CComPort::COM_ZMCOMConfgStopMeasure()
{
    if (m_pPanel->Panel_IsRunning())
        m_pPanel->Panel_EndRunning();
    if (m_bStreamMode == 0)
    {
        m_pPanel->Panel_StopMeasureTimer();
        m_pPanel->Panel_SetTimer(TIMER_PANEL_WATCHDOG, WATCHDOG_MS);
    }
    else if (m_bStreamMode == 1)
    {
        if (m_bStreamRefused)
            m_bStreamRefused = 0;
        else
            COM_SendStreamStop();
    }
    return true;
}

void CComPort::COM_SendStreamStop()
{
    for (int i = 0; i < STREAM_STOP_BYTES; ++i)
        COM_WriteByte(STX);
}

// ---- Configuration writes

bool CComPort::COM_WriteBlock(const CString& strBlock, BOOL bSwitchOff)
{
    return COM_WriteAwaited(TerSend_FinishWriteBlock(strBlock, bSwitchOff), CODE_ACK, WRITE_WAIT_MS);
}

bool CComPort::COM_ZMCOMConfgUserCalibDeactivate()
{
    if (m_sSensor.ucAdjustment != ADJUSTMENT_USER)
        return false;
    COM_EnterWriteState(ZM_USERCALIB_DEACTIVATE);
    TerSend_PrepareWriteBlock(m_strRtUserCalibBlock, BLOCK_RT_USER_CALIB);
    return COM_WriteBlock(m_strRtUserCalibBlock, TRUE);
}

bool CComPort::COM_ZMCOMConfgUserCalibActivate()
{
    if (m_sSensor.ucAdjustment != ADJUSTMENT_FACTORY)
        return false;
    COM_EnterWriteState(ZM_USERCALIB_ACTIVATE);
    TerSend_PrepareWriteBlock(m_strRtUserCalibBlock, BLOCK_RT_USER_CALIB);
    const __time64_t tNow = _time64(nullptr);
    TerSend_WriteBlockSetContentRotorCalibUser(m_strRtUserCalibBlock, &tNow, nullptr, nullptr, nullptr,
                                               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    return COM_WriteBlock(m_strRtUserCalibBlock, FALSE);
}

bool CComPort::COM_ZMCOMConfgSetNewUserCalib()
{
    if (!m_pCalib->Calib_IsNewCalibReady())
        return false;
    COM_EnterWriteState(ZM_SET_NEW_USERCALIB);
    TerSend_PrepareWriteBlock(m_strRtUserCalibBlock, BLOCK_RT_USER_CALIB);
    const __time64_t tNow = _time64(nullptr);
    const CalibValuesStruct& a = m_sCalibValues[0];
    const CalibValuesStruct& b = m_sCalibValues[1];
    int iCalib23 = 0;
    int iCalib25 = 0;
    m_pCalib->Calib_GetBlockValues(iCalib23, iCalib25);
    const int iNoUncertainty = 0;
    TerSend_WriteBlockSetContentRotorCalibUser(m_strRtUserCalibBlock, &tNow, &a.dCtrl, &a.slOffset, &b.dCtrl,
                                               &b.slOffset, &a.dGainCtrl, &b.dGainCtrl, &iCalib23, &iCalib25,
                                               &iNoUncertainty, &iNoUncertainty);
    return COM_WriteBlock(m_strRtUserCalibBlock, FALSE);
}

bool CComPort::COM_ZMCOMConfgSetInaccuracy(double dPercent)
{
    BYTE ucInRange = 0;
    BYTE ucAdjustment = 0;
    COM_GetCalibInaccuracy(&ucInRange, &ucAdjustment, &dPercent, 1);
    const int iValue = static_cast<int>(std::lround(dPercent * UNCERTAINTY_SCALE));
    const int iAction = m_pCalib->Calib_GetUncertaintyAction();
    const bool bDelete = iAction == ID_INACCURACY_CH_A_DELETE || iAction == ID_INACCURACY_CH_B_DELETE;
    if (!ucInRange && !bDelete)
        return false;
    // Nothing is changed or sent until the operator has confirmed.
    if (!m_pCalib->Calib_IsUncertaintyConfirmed())
        return false;
    int iPrevCheck = 0;
    if (ucAdjustment == ADJUSTMENT_FACTORY)
    {
        iPrevCheck = m_sBlock.at(TerSend_BlockIndex(BLOCK_RT_FACTORY_CALIB)).iReadCheck;
        m_strRtUserCalibBlock = m_strRtFactCalibBlock;
    }
    else if (ucAdjustment == ADJUSTMENT_USER)
        iPrevCheck = m_sBlock.at(TerSend_BlockIndex(BLOCK_RT_USER_CALIB)).iReadCheck;
    COM_EnterWriteState(ZM_SET_INACCURACY_USERCALIB);
    TerSend_PrepareWriteBlock(m_strRtUserCalibBlock, BLOCK_RT_USER_CALIB);
    const __time64_t tNow = _time64(nullptr);
    const bool bChannelA = iAction == ID_INACCURACY_CH_A_CHANGE || iAction == ID_INACCURACY_CH_A_DELETE;
    TerSend_WriteBlockSetContentRotorCalibUser(m_strRtUserCalibBlock, &tNow, nullptr, nullptr, nullptr,
                                               nullptr, nullptr, nullptr, nullptr, nullptr,
                                               bChannelA ? &iValue : nullptr, bChannelA ? nullptr : &iValue);
    BYTE ucValidA = 0;
    BYTE ucValidB = 0;
    COM_GetCalibInaccuracy(&ucValidA, nullptr, nullptr, 1);
    COM_GetCalibInaccuracy(&ucValidB, nullptr, nullptr, 0);
    const bool bSame = COM_IsUserCalibEqualFactoryCalib();
    BOOL bSwitchOff = FALSE;
    if (bDelete)
    {
        const BYTE ucOtherValid = iAction == ID_INACCURACY_CH_A_DELETE ? ucValidB : ucValidA;
        if (iPrevCheck != 0)
            bSwitchOff = TRUE;
        else if (ucOtherValid)
            bSwitchOff = FALSE;
        else
            bSwitchOff = bSame ? TRUE : FALSE;
    }
    return COM_WriteBlock(m_strRtUserCalibBlock, bSwitchOff);
}

bool CComPort::COM_ZMCOMConfgSetSoftwareConfigBlock(int iState)
{
    if (m_pPanel->Panel_IsRunning())
    {
        m_pHost->Frame_SetTimer(TIMER_RETRY_SW_CONFIG_BLOCK, RETRY_SW_CONFIG_MS);
        return false;
    }
    m_pHost->Frame_KillTimer(TIMER_RETRY_SW_CONFIG_BLOCK);
    m_strStSoftwareConfigBlockToWrite = m_strStSoftwareConfigBlock;
    m_iZMCOMConfgFlow = iState;
    SensorStruct& s = m_sSensor;
    s.ucSwCfg7 = 1;
    if (iState == ZM_CNFG_SW_CONFIG_SET_SCALING_A)
        s.ucSwScalingA = 1;
    else if (iState == ZM_CNFG_SW_CONFIG_SET_SCALING_B)
        s.ucSwScalingB = 1;
    else if (iState == ZM_CNFG_SW_CONFIG_DELETE_BLOCK)
        s.ucSwScalingA = s.ucSwScalingB = 0;
    if (m_pAdjust->Adjust_IsSoftwareScalingChanged(0))
        s.ucUnitA = static_cast<BYTE>(m_pHost->Frame_GetUnitCount(0));
    if (m_pAdjust->Adjust_IsSoftwareScalingChanged(1))
        s.ucUnitB = static_cast<BYTE>(m_pHost->Frame_GetUnitCount(1));
    TerSend_PrepareWriteBlock(m_strStSoftwareConfigBlockToWrite, BLOCK_ST_SOFTWARE_CONFIG);
    TerSend_WriteBlockSetContentStatorSoftwareConfiguration(
        m_strStSoftwareConfigBlockToWrite, &s.ucSwCfg7, &s.dSwScaleA, &s.dSwScaleB, &s.strSwUnitA,
        &s.strSwUnitB, &s.ucUnitA, &s.ucUnitB, &s.ucDecimalsA, &s.ucDecimalsB, &s.ucMeanCodeA, &s.ucMeanCodeB,
        &s.ucSignA, &s.ucSignB, &s.ucSwScalingA, &s.ucSwScalingB, &s.iAveragingCount, &s.iMeasuringRateCode,
        &s.ucDisplayA, &s.ucDisplayB);
    m_strStSoftwareConfigBlockToWrite = TerSend_FinishWriteBlock(m_strStSoftwareConfigBlockToWrite, FALSE);
    if (!s.ucSwCfgRead)
        return false;
    return COM_WriteAwaited(m_strStSoftwareConfigBlockToWrite, CODE_ACK, WRITE_WAIT_MS);
}

bool CComPort::COM_ZMCOMConfgSetSerialNumberRotorOperation(int iWhich)
{
    COM_EnterWriteState(ZM_SET_SERIAL_NUBMER_ROTOR_OPERATION);
    TerSend_PrepareWriteBlock(m_strRtOperationBlock, BLOCK_RT_OPERATION);
    const __time64_t tNow = _time64(nullptr);
    TerSend_WriteBlockSetContentRotorOperation(m_strRtOperationBlock, &tNow,
                                               iWhich == 1 ? nullptr : &m_sSensor.strSerialNoA,
                                               iWhich == 0 ? nullptr : &m_sSensor.strSerialNoB);
    return COM_WriteBlock(m_strRtOperationBlock, FALSE);
}

bool CComPort::COM_ZMCOMConfgSetNewBaudrate([[maybe_unused]] int Row, int ucLUT)
{
    SensorStruct& s = m_sSensor;
    const bool bBlockUsable = TerSend_CheckBlock(m_strStOperationBlock) == BLOCK_OK;
    s.ucBaudCode = static_cast<BYTE>(ucLUT);
    if (!bBlockUsable)
    {
        SetStatorOperationDefaults(s);
        s.iLowPassHzA = 3000;
        s.iLowPassHzB = 3000;
    }
    COM_EnterWriteState(ZM_CNFG_SET_NEW_BAUDRATE);
    TerSend_PrepareWriteBlock(m_strStOperationBlock, BLOCK_ST_OPERATION);
    const __time64_t tNow = _time64(nullptr);
    TerSend_WriteBlockSetContentStatorOperation(m_strStOperationBlock, &tNow, &s.ucStOp12, &s.ucBusAddress,
                                                &s.ucStOp15Bit0, &s.ucBaudCode, &s.ucStOp17, &s.ucStOp18,
                                                &s.iLowPassHzA, &s.iLowPassHzB);
    const bool bWritten = COM_WriteBlock(m_strStOperationBlock, FALSE);
    if (!bWritten)
    {
        m_pStartUp->StartUp_HideSearchProgress();
        m_pConnection->Connection_ClearBaudChangePending();
    }
    return bWritten;
}

bool CComPort::COM_ZMCOMConfgSetNewBaudrate()
{
    const BlockDescriptor& descriptor = m_sBlock.at(TerSend_BlockIndex(BLOCK_ST_OPERATION));
    CString strBlock = descriptor.strRead;
    SensorStruct& s = m_sSensor;
    m_pAdjust->Adjust_GetLowPassHz(s.iLowPassHzA, s.iLowPassHzB);
    if (descriptor.iReadCheck != BLOCK_OK)
    {
        SetStatorOperationDefaults(s);
        s.ucBaudCode = COM_GetPortBaudrate() == 230400 ? BAUD_CODE_230400 : BAUD_CODE_115200;
    }
    COM_EnterWriteState(ZM_CNFG_SET_NEW_LOW_PASS_FILTER);
    TerSend_PrepareWriteBlock(strBlock, BLOCK_ST_OPERATION);
    const __time64_t tNow = _time64(nullptr);
    TerSend_WriteBlockSetContentStatorOperation(strBlock, &tNow, &s.ucStOp12, &s.ucBusAddress,
                                                &s.ucStOp15Bit0, &s.ucBaudCode, &s.ucStOp17, &s.ucStOp18,
                                                &s.iLowPassHzA, &s.iLowPassHzB);
    return COM_WriteBlock(strBlock, FALSE);
}
