// Measured values: the raw-value answer, the end of the initialisation, the calibration readings,
// the unframed stream with its counters, the measuring rates and the channel scale factors.
#include "protocol/CComPort.h"

#include "framework/CWinApp.h"
#include "protocol/CComPortAdjustRole.h"
#include "protocol/CComPortCalibRole.h"
#include "protocol/CComPortConnectionRole.h"
#include "protocol/CComPortDocumentationRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortInfoRole.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/CComPortStartUpRole.h"
#include "protocol/ComPortTimers.h"
#include "protocol/ProtocolTexts.h"

#include <cmath>
#include <ctime>
#include <iterator>

namespace
{
constexpr int RAW_ANSWER_LENGTH = 16;
constexpr int CALIB_SAMPLES = 1250;
constexpr UINT WATCHDOG_MS = 800;
constexpr UINT INIT_DONE_SINGLE_SHOT_MS = 500;
constexpr BYTE ADJUSTMENT_NONE = 1;
constexpr int CALIB_ERROR_END_A = 0x10;
constexpr int CALIB_ERROR_END_B = 0x20;
constexpr int RECORD_TWO_CHANNELS = 5;
constexpr int RECORD_ONE_CHANNEL = 3;
const char* const TEXT_NO_RAW_SCALING =
    "Beim verbundenen Gerät ist es nicht möglich eine Skalierung in Bezug auf die Rohwerte durchzuführen.\n"
    "Wollen Sie dennoch eine Skalierung durchführen, so müssen zunächst der Werks- und der "
    "Benutzerkalibrierblock gelöscht werden.";

enum CalibKind
{
    CALIB_ZERO = 0,
    CALIB_SCALE = 1,
    CALIB_CONTROL = 2,
};

struct RateMode
{
    BYTE bStreamMode;
    int iDisplayCountdownReload;
    int iPollingPeriod; // 0: unchanged
};
// Measuring-rate codes 0 to 19.
constexpr RateMode RATE_MODES[] = {{1, 250, 0},  {1, 125, 0},  {1, 62, 0},   {1, 50, 0},    {1, 25, 0},
                                   {1, 12, 0},   {1, 10, 0},   {1, 10, 0},   {1, 5, 0},     {1, 2, 0},
                                   {1, 1, 0},    {1, 1, 0},    {1, 1, 0},    {0, 1, 100},   {0, 1, 1000},
                                   {0, 1, 1200}, {0, 1, 3000}, {0, 1, 6000}, {0, 1, 60000}, {0, 1, 3600000}};

BYTE ByteAt(const CString& str, int iIndex)
{
    return static_cast<BYTE>(str.GetAt(iIndex));
}

CString LoadText(UINT uiId)
{
    CString str;
    str.LoadString(uiId);
    return str;
}

int Rounded(double d)
{
    return static_cast<int>(std::lround(d));
}

int TypeClassIndex(char cTypeClass)
{
    switch (cTypeClass)
    {
        case 'A':
        case 'S':
        case 'd':
            return 0;
        case 'D':
            return 2;
        default:
            return 1;
    }
}
} // namespace

// ---- Raw values

bool CComPort::ZMCOMConfg_TakeRawValues()
{
    if (ZMCOMConfg_FrameLength() < RAW_ANSWER_LENGTH)
        return false;
    const CString strAnswer = ZMCOMConfg_CurrentFrame();
    MeasuredValuesStruct& m = m_sMeasuredValues;
    m.iRawA = TerSend_BytesToUInt16(ByteAt(strAnswer, 5), ByteAt(strAnswer, 6));
    m.iRawB = TerSend_BytesToUInt16(ByteAt(strAnswer, 7), ByteAt(strAnswer, 8));
    m.iValueA = TerSend_BytesToInt16(ByteAt(strAnswer, 9), ByteAt(strAnswer, 10));
    m.iValueB =
        ZMCOMConfg_DigitalInputValue(TerSend_BytesToInt16(ByteAt(strAnswer, 11), ByteAt(strAnswer, 12)));
    m.ucControlState = ByteAt(strAnswer, 13);
    ZMCOMConfg_TakeFrame();
    if (m_iZMCOMConfgFlow == ZM_SINGLE_SHOT)
    {
        ZMCOMConfg_DeliverValues(1, ZM_STOP_MEASURE);
        MAIN_FKTPTR = nullptr;
        if (m_bSingleShotForSoftwareConfig)
            m_pAdjust->Adjust_ShowCurrentValue(m.iValueA, m.iValueB);
    }
    else if (m_iZMCOMConfgFlow == ZM_READ_RAW_CALIB_INIT)
    {
        ++m_iCalibReadingCount;
        m_pCalib->Calib_AdvanceCalibProgress(0);
    }
    m_bSingleShotForSoftwareConfig = 0;
    return true;
}

void CComPort::ZMCOMConfg_AnalyseReadRaw()
{
    ZMCOMConfg_TakeRawValues();
}

void CComPort::ZMCOMConfg_AnalyseReadRawInit()
{
    if (!ZMCOMConfg_TakeRawValues())
        return;
    m_pPanel->Panel_SetControlState(m_sMeasuredValues.ucControlState);
    switch (m_iZMCOMConfgFlow)
    {
        case ZM_START_INIT:
            ZMCOMConfg_DeliverValues(2, ZM_START_INIT);
            ZMCOMConfg_InitializeSensorConfigurationDone();
            break;
        case ZM_LIST_CTRL_CHANGE_READ_RAW:
            ZMCOMConfg_DeliverValues(2, ZM_STOP_MEASURE);
            break;
        case ZM_READ_RAW_CALIB_INIT:
            ZMCOMConfg_TakeCalibSample();
            break;
        default:
            break;
    }
}

// The pipeline sees a single value in the stream state; the state after it is given.
void CComPort::ZMCOMConfg_DeliverValues(int iReason, int iStateAfter)
{
    m_iZMCOMConfgFlow = ZM_START_MEASURE_SOSM;
    m_pHost->Frame_ProcessMeasuredValues(iReason);
    m_iZMCOMConfgFlow = iStateAfter;
}

int CComPort::ZMCOMConfg_DigitalInputValue(int iValue) const
{
    if (!ZMCOMConfg_HasDigitalInput())
        return iValue;
    return iValue >= 0 ? 1 : 0;
}

void CComPort::ZMCOMConfg_InitializeSensorConfigurationDone()
{
    m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
    MAIN_FKTPTR = nullptr;
    ZMCOMConfg_ClearReceiveBuffer();
    m_pHost->Frame_SetSensorConfigRead(true);
    m_pInfo->Info_SetDataValid();
    m_pInfo->Info_UpdatePage(true);
    m_pPanel->Panel_SetConnectionState(1);
    m_pPanel->Panel_OnSensorConnected();
    m_pConnection->Connection_ResetListMarks();
    if (COM_HasSeveralInterfaces(m_iActiveArray))
    {
        const int iOffset = m_pHost->Frame_GetLanguageOffset();
        CString strMessage;
        strMessage.Format("%s \"%s\" %s", LoadText(IDS_ONE_SENSOR_PER_BUS + iOffset).GetString(),
                          COM_PortKeyToDisplayText(COM_Entry(m_iActiveArray).strComPort).GetString(),
                          LoadText(IDS_DISCONNECT_ODD_SENSORS + iOffset).GetString());
        AfxMessageBox(strMessage, MB_OK);
    }
    // The single shot that ends the initialisation also answers one asked for during it.
    if (m_eDeferredSingleShot == SingleShotKind::Plain)
        m_eDeferredSingleShot = SingleShotKind::None;
    m_pHost->Frame_SetTimer(TIMER_INIT_DONE_SINGLE_SHOT, INIT_DONE_SINGLE_SHOT_MS);
    m_pStartUp->StartUp_HideSearchProgress();
    m_pConnection->Connection_ClearBaudChangePending();
}

// ---- Calibration readings

void CComPort::ZMCOMConfg_TakeCalibSample()
{
    const MeasuredValuesStruct& m = m_sMeasuredValues;
    const bool bDigital = ZMCOMConfg_HasDigitalInput();
    m_pHost->Frame_AddCalibSample(m.iRawA, bDigital ? m.iRawA : m.iRawB, m.iValueA,
                                  bDigital ? m.iValueA : m.iValueB);
    if (m_iCalibReadingCount == CALIB_SAMPLES)
        ZMCOMConfg_FinishCalibReading();
}

void CComPort::ZMCOMConfg_FinishCalibReading()
{
    m_pPanel->Panel_StopMeasureTimer();
    const CalibRingAverages rings = m_pHost->Frame_GetCalibAverages();
    for (int iChannel = 0; iChannel < 2; ++iChannel)
    {
        CalibValuesStruct& c = m_sCalibValues[iChannel];
        const double dRaw = rings.adAverage[iChannel];
        const double dValue = rings.adAverage[2 + iChannel];
        // One reading: the averaged raw count and value, each also rounded, and its taken flag.
        auto store = [&](double& dRawOut, int& iRawOut, double& dValOut, int& iValOut, BYTE& bRead)
        {
            dRawOut = dRaw;
            iRawOut = Rounded(dRaw);
            dValOut = dValue;
            iValOut = Rounded(dValue);
            bRead = 1;
        };
        switch (m_iCalibReadingKind)
        {
            case CALIB_ZERO:
                store(c.dRawZero, c.iRawZero, c.dValZero, c.iValZero, c.bZeroRead);
                break;
            case CALIB_SCALE:
                store(c.dRawScale, c.iRawScale, c.dValScale, c.iValScale, c.bScaleRead);
                break;
            case CALIB_CONTROL:
                store(c.dRawCtrl, c.iRawCtrl, c.dValCtrl, c.iValCtrl, c.bCtrlRead);
                break;
            default:
                break;
        }
    }
    const CalibValuesStruct& a = m_sCalibValues[0];
    const CalibValuesStruct& b = m_sCalibValues[1];
    const char* const apszTitle[] = {"Nullpunkt einlesen...", "Skalierwert einlesen...",
                                     "Kontrolle einlesen..."};
    const char* const apszName[] = {"Nullpunkt  ", "Skalierwert", "Kontrolle  "};
    const int iKind =
        m_iCalibReadingKind >= CALIB_ZERO && m_iCalibReadingKind <= CALIB_CONTROL ? m_iCalibReadingKind : 0;
    COM_Trace(CString('-', 63));
    COM_Trace(apszTitle[iKind]);
    COM_Trace(CString('-', 25));
    CString strLine;
    strLine.Format("\tFifo           A = %6d B = %6d", rings.aiCount[0], rings.aiCount[1]);
    COM_Trace(strLine);
    const int aiRaw[3][2] = {{a.iRawZero, b.iRawZero}, {a.iRawScale, b.iRawScale}, {a.iRawCtrl, b.iRawCtrl}};
    const int aiValue[3][2] = {
        {a.iValZero, b.iValZero}, {a.iValScale, b.iValScale}, {a.iValCtrl, b.iValCtrl}};
    strLine.Format("\t  %s Raw: A = %6d   B = %6d     Scal: A = %6d   B = %6d", apszName[iKind],
                   aiRaw[iKind][0], aiRaw[iKind][1], aiValue[iKind][0], aiValue[iKind][1]);
    COM_Trace(strLine);

    switch (m_iCalibReadingKind)
    {
        case CALIB_ZERO:
            if (!a.bCtrlRead && !b.bCtrlRead)
                COM_ZMCOMConfgSetCtrlOn();
            else
                m_pCalib->CalibZero_CloseFromProtocol();
            break;
        case CALIB_CONTROL:
            COM_ZMCOMConfgSetCtrlOff();
            break;
        case CALIB_SCALE:
            if (a.bZeroRead && b.bZeroRead && a.bScaleRead && b.bScaleRead && a.bCtrlRead && b.bCtrlRead)
                ZMCOMConfg_CalculateCalibration();
            break;
        default:
            break;
    }
}

void CComPort::ZMCOMConfg_CalculateCalibration()
{
    int iErrors = 0;
    m_pCalib->Calib_CalcualteCalibValues(0, 0, iErrors);
    const bool bBothEndsWrong = (iErrors & CALIB_ERROR_END_A) && (iErrors & CALIB_ERROR_END_B);
    if (m_pCalib->Calib_CalcualteCalibValues(bBothEndsWrong ? 0 : 1, 0, iErrors))
    {
        COM_ZMCOMConfgSetNewUserCalib();
        return;
    }
    if (m_sSensor.ucAdjustment == ADJUSTMENT_NONE)
    {
        if (m_pCalib->Calib_CalcualteCalibValues(1, 1, iErrors))
        {
            COM_ZMCOMConfgSetNewUserCalib();
            return;
        }
        AfxMessageBox(IDS_CHECK_CALIBRATION_LOAD + m_pHost->Frame_GetLanguageOffset(), MB_OK);
    }
    else
        AfxMessageBox(TEXT_NO_RAW_SCALING, MB_OK);
    if (!COM_IsCalibIdle())
    {
        m_pCalib->Calib_ClearCalibRunning();
        m_pCalib->CalibEnd_CloseFromProtocol();
    }
}

// ---- Stream

void CComPort::ZMCOMConfg_AnalyseMeasureStream()
{
    ZMCOMConfg_AnalyseStreamRecords(RECORD_TWO_CHANNELS);
}

void CComPort::ZMCOMConfg_AnalyseMeasureStreamOneChannel()
{
    ZMCOMConfg_AnalyseStreamRecords(RECORD_ONE_CHANNEL);
}

// Before the records: the acknowledgement of the start command, or its refusal; other bytes go.
void CComPort::ZMCOMConfg_AnalyseStreamStart()
{
    for (;;)
    {
        const int iStx = m_strReceiveCOM.Find(static_cast<char>(STX));
        if (iStx < 0)
        {
            ZMCOMConfg_ClearReceiveBuffer();
            return;
        }
        m_strReceiveCOM.Delete(0, iStx);
        if (m_strReceiveCOM.GetLength() < 2)
            return;
        const BYTE ucCode = ByteAt(m_strReceiveCOM, 1);
        CString strFrame;
        int iRawLength = 0;
        const FrameScan scan = ucCode == CODE_ACK || ucCode == CODE_NAK
                                   ? ZMCOMConfg_ScanFrame(m_strReceiveCOM, 0, strFrame, iRawLength)
                                   : FrameScan::Broken;
        if (scan == FrameScan::Incomplete)
            return;
        if (scan == FrameScan::Broken || TerSend_CheckAnswer(strFrame, FALSE) != ANSWER_OK)
        {
            m_strReceiveCOM.Delete(0, 1);
            continue;
        }
        if (ucCode == CODE_ACK)
        {
            m_strReceiveCOM.Delete(0, iRawLength);
            m_ucExpectedCounter = 0;
            m_bStreamStarted = 1;
            m_pPanel->Panel_SetTimer(TIMER_PANEL_WATCHDOG, WATCHDOG_MS);
            return;
        }
        ZMCOMConfg_PlaceFrame(iRawLength, strFrame);
        const BYTE ucReason = strFrame.GetLength() > 5 ? ByteAt(strFrame, 5) : 0;
        if (ucReason == '=' || ucReason == '+')
        {
            m_pPanel->Panel_SetTimer(TIMER_PANEL_WATCHDOG, WATCHDOG_MS);
            if (ucReason == '+')
                m_bStreamRefused = 1;
            ZMCOMConfg_AnalyseNack();
        }
        if (m_iFrameInBuffer > 0)
            ZMCOMConfg_TakeFrame();
        // On to what follows it: one refusal per chunk would let the buffer grow.
    }
}

// Length of the expected acknowledgement when the buffer holds it at iStart, -1 while the bytes
// there are the start of it, 0 when they are not.
int CComPort::ZMCOMConfg_MatchExpectedAck(const CString& str, int iStart) const
{
    BYTE aucAck[NAK_BUFFER_SIZE] = {STX, CODE_ACK,  m_ucAddressOwn, m_ucAddressInterface,
                                    0,   m_ucAckCS, m_ucAckWCS};
    int iAckLength = 7;
    TerSend_StuffBuffer(aucAck, iAckLength, NAK_BUFFER_SIZE);
    const int iAvailable = str.GetLength() - iStart;
    for (int i = 0; i < iAckLength && i < iAvailable; ++i)
    {
        if (ByteAt(str, iStart + i) != aucAck[i])
            return 0;
    }
    return iAvailable >= iAckLength ? iAckLength : -1;
}

void CComPort::ZMCOMConfg_AnalyseStreamRecords(int iRecordLength)
{
    if (!m_bStreamStarted)
    {
        ZMCOMConfg_AnalyseStreamStart();
        if (!m_bStreamStarted)
            return;
    }
    bool bChannelA = true;
    bool bChannelB = true;
    m_pAdjust->Adjust_GetChannelSelection(bChannelA, bChannelB);
    const bool bOneChannelIsA = bChannelA;
    int iPos = 0;
    while (m_strReceiveCOM.GetLength() - iPos >= iRecordLength)
    {
        if (m_pPanel->Panel_TakeControlRequest())
            m_pPanel->Panel_ToggleControlSignal(1);
        if (m_iZMCOMConfgFlowNext == ZM_SET_CTRL_ON_SOSM || m_iZMCOMConfgFlowNext == ZM_SET_CTRL_OFF_SOSM)
        {
            const int iAck = ZMCOMConfg_MatchExpectedAck(m_strReceiveCOM, iPos);
            if (iAck < 0)
                break;
            if (iAck > 0)
            {
                // The control command is acknowledged; its handler starts the stream anew.
                m_strReceiveCOM.Delete(0, iPos + iAck);
                m_iStreamConsumed += iPos + iAck;
                m_iZMCOMConfgFlow = m_iZMCOMConfgFlowNext;
                m_iZMCOMConfgFlowNext = -1;
                ZMCOMConfg_AnalyseAck();
                return;
            }
        }
        const auto recordByte = [this, iPos](int iIndex) { return ByteAt(m_strReceiveCOM, iPos + iIndex); };
        const BYTE ucCounter = recordByte(0);
        bool bMatch = ucCounter == m_ucExpectedCounter;
        if (bMatch)
            m_bDeliverTwice = 0;
        else if (m_bStreamGapInterpolation && ucCounter == static_cast<BYTE>(m_ucExpectedCounter + 1))
        {
            // One record is missing: it is filled in with the mean of its neighbours.
            bMatch = true;
            m_bDeliverTwice = 1;
            ++m_ucExpectedCounter;
        }
        if (bMatch && m_bStreamInSync)
        {
            const int iFirst = TerSend_BytesToInt16(recordByte(1), recordByte(2));
            if (iRecordLength == RECORD_TWO_CHANNELS)
            {
                const int iSecond = TerSend_BytesToInt16(recordByte(3), recordByte(4));
                ZMCOMConfg_DeliverRecord(iFirst, ZMCOMConfg_DigitalInputValue(iSecond));
            }
            else if (bOneChannelIsA)
                ZMCOMConfg_DeliverRecord(iFirst, m_sMeasuredValues.iValueB);
            else
                ZMCOMConfg_DeliverRecord(m_sMeasuredValues.iValueA, ZMCOMConfg_DigitalInputValue(iFirst));
        }
        else if (m_bStreamInSync)
        {
            COM_SendStreamStop();
            m_pDocumentation->Documentation_SetStopTime(_time64(nullptr));
            m_bStreamInSync = 0;
        }
        iPos += iRecordLength;
        ++m_ucExpectedCounter;
    }
    if (iPos > 0)
    {
        m_strReceiveCOM.Delete(0, iPos);
        m_iStreamConsumed += iPos;
        // The watchdog restarts with the records of each chunk.
        m_pPanel->Panel_SetTimer(TIMER_PANEL_WATCHDOG, WATCHDOG_MS);
    }
}

void CComPort::ZMCOMConfg_DeliverRecord(int iValueA, int iValueB)
{
    MeasuredValuesStruct& m = m_sMeasuredValues;
    auto deliver = [this]
    {
        --m_iDisplayCountdown;
        m_pHost->Frame_ProcessMeasuredValues(0);
        if (m_iDisplayCountdown <= 0)
            m_iDisplayCountdown = m_iDisplayCountdownReload;
    };
    if (m_bDeliverTwice)
    {
        m.iValueA = (m.iValueA + iValueA) / 2;
        m.iValueB = (m.iValueB + iValueB) / 2;
        deliver();
        m_bDeliverTwice = 0;
    }
    m.iValueA = iValueA;
    m.iValueB = iValueB;
    deliver();
}

// ---- Rates, resets and scale factors

void CComPort::COM_SetMeasuringRateMode()
{
    const int iCode = m_pHost->Frame_GetMeasuringRateCode();
    if (iCode >= 0 && iCode < static_cast<int>(std::size(RATE_MODES)))
    {
        const RateMode& mode = RATE_MODES[iCode];
        m_bStreamMode = mode.bStreamMode;
        m_iDisplayCountdownReload = mode.iDisplayCountdownReload;
        if (mode.iPollingPeriod > 0)
            m_iPollingPeriod = mode.iPollingPeriod;
    }
    m_iDisplayCountdown = m_iDisplayCountdownReload;
}

void CComPort::COM_ResetSensorStruct()
{
    m_sSensor = SensorStruct();
}

void CComPort::COM_ResetMeasuredValues()
{
    MeasuredValuesStruct& m = m_sMeasuredValues;
    if (!m_bMeasuredValuesResetOnce)
    {
        m.iValueA = 0;
        m.iValueB = 0;
        m_bMeasuredValuesResetOnce = true;
    }
    m.iPrevA = m.iValueA + 1;
    m.iPrevB = m.iValueB + 2;
    // The shown copies differ from the values, so that the next refresh shows them.
    auto shown = [](double dValue) { return dValue == -10.0 ? -9.0 : -10.0; };
    m.dShownValueA = shown(m.dValueA);
    m.dShownValueB = shown(m.dValueB);
    m.dShownTareA = shown(m.dTareA);
    m.dShownTareB = shown(m.dTareB);
    m.dMinA = m.dMinB = m.dShownMinA = m.dShownMinB = 1e99;
    m.dMaxA = m.dMaxB = m.dShownMaxA = m.dShownMaxB = MeasuredValuesStruct::NO_MAXIMUM;
    COM_UpdateScaleFactors();
}

void CComPort::COM_ResetCalibValues()
{
    for (CalibValuesStruct& c : m_sCalibValues)
    {
        c.slOffset = 0;
        c.iRawZero = c.iRawScale = c.iRawCtrl = 0;
        c.iValZero = c.iValScale = c.iValCtrl = 0;
        c.dRawZero = c.dRawScale = c.dRawCtrl = CalibValuesStruct::NOT_READ;
        c.dValZero = c.dValScale = c.dValCtrl = CalibValuesStruct::NOT_READ;
        c.bZeroRead = c.bScaleRead = c.bCtrlRead = 0;
        c.bIdle = 1;
        c.bReserved = 0;
    }
}

void CComPort::COM_ClearCalibIdle()
{
    m_sCalibValues[0].bIdle = m_sCalibValues[1].bIdle = 0;
}

void CComPort::COM_SetCalibIdle()
{
    m_sCalibValues[0].bIdle = m_sCalibValues[1].bIdle = 1;
}

bool CComPort::COM_IsCalibIdle() const
{
    return m_sCalibValues[0].bIdle != 0 || m_sCalibValues[1].bIdle != 0;
}

double CComPort::COM_GetCalibInaccuracy(BYTE* pucInRange, BYTE* pucAdjustment, const double* pdValue,
                                        int iChannel)
{
    const BYTE ucAdjustment = m_sSensor.ucAdjustment;
    double dValue = 0.0;
    if (pdValue)
        dValue = *pdValue;
    else if (ucAdjustment == 2 || ucAdjustment == 3)
    {
        const CalibBlockValues& calib = ucAdjustment == 2 ? m_sSensor.sFactoryCalib : m_sSensor.sUserCalib;
        dValue = iChannel == 1 ? calib.dUncertaintyA : calib.dUncertaintyB;
    }
    if (pucAdjustment)
        *pucAdjustment = ucAdjustment;
    if (pucInRange)
        *pucInRange = dValue > 0.0 && dValue < 5.0 ? 1 : 0;
    return dValue;
}

bool CComPort::COM_IsUserCalibEqualFactoryCalib() const
{
    if (m_sSensor.ucAdjustment != 3)
        return false;
    const CalibBlockValues& u = m_sSensor.sUserCalib;
    const CalibBlockValues& f = m_sSensor.sFactoryCalib;
    return u.iGainA == f.iGainA && u.iOffsetA == f.iOffsetA && u.iGainB == f.iGainB &&
           u.iOffsetB == f.iOffsetB && u.iCtrlA == f.iCtrlA && u.iCtrlB == f.iCtrlB &&
           u.iCalib23 == f.iCalib23 && u.iCalib25 == f.iCalib25;
}

void CComPort::COM_UpdateScaleFactors()
{
    for (int iChannel = 0; iChannel < 2; ++iChannel)
    {
        ChannelScaleSource source;
        if (!m_pHost->Frame_GetChannelScaleSource(iChannel, source) || source.iFullScaleCount == 0)
            continue;
        const double dRange = iChannel == 0 ? m_sSensor.dRangeA : m_sSensor.dRangeB;
        double dCountFactor = source.iSelectedUnitStringId == IDS_UNIT_ADU
                                  ? source.dSelectedUnitFactor
                                  : source.dSelectedUnitFactor * dRange / source.iFullScaleCount;
        const double dBaseCountFactor =
            dRange * source.adUnitFactor[TypeClassIndex(source.cTypeClass)] / source.iFullScaleCount;
        if (iChannel == 1 && ZMCOMConfg_HasDigitalInput())
            dCountFactor = 1.0;
        (iChannel == 0 ? m_sMeasuredValues.dScaleA : m_sMeasuredValues.dScaleB) = dCountFactor;
        m_pHost->Frame_SetChannelScale(iChannel, dCountFactor, dBaseCountFactor);
    }
}

int CComPort::COM_GetTypeClassIndex(int iChannel)
{
    ChannelScaleSource source;
    m_pHost->Frame_GetChannelScaleSource(iChannel, source);
    return TypeClassIndex(source.cTypeClass);
}
