#include "measurement/CValuePipeline.h"

#include "measurement/CChannelPaneFields.h"
#include "measurement/CDisplayHelper.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/CMeasureHost.h"
#include "measurement/CMovingAverageRing.h"
#include "measurement/CPipelineClock.h"
#include "measurement/CPipelineDiagram.h"
#include "measurement/CPipelinePanel.h"
#include "measurement/CUnitTable.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurePanelState.h"
#include "protocol/CComPort.h"
#include "protocol/CComPortHost.h"
#include "protocol/Language.h"

#include <climits>
#include <cmath>

namespace
{
constexpr double MIN_RESET = 1e99;
constexpr double MAX_RESET = -1e99;
constexpr int UNIT_ID_UNKNOWN_CODE = -6;
constexpr int UNIT_ID_SOFTWARE_SCALING = 1;
constexpr int UNIT_ID_AFTER_DIGITAL_INPUT = -7;
constexpr int DEFAULT_MEAN_CODE = 2;
constexpr int DEFAULT_AVERAGING_COUNT = 1;
constexpr int DEFAULT_RATE_CODE = 6;
constexpr BYTE SHOWN_NOT_OFFERED = 2;
constexpr BYTE ADJUSTMENT_NONE = 1;
constexpr BYTE ADJUSTMENT_FACTORY = 2;
constexpr BYTE ADJUSTMENT_USER = 3;
constexpr int FULL_SCALE_NOT_ADJUSTED = 2;

// One channel's part of the protocol's measured-value record.
struct ChannelValues
{
    int& iRaw;
    int& iPrevious;
    double& dScale;
    double& dValue;
    double& dShownValue;
    double& dTare;
    double& dShownTare;
    double& dMin;
    double& dShownMin;
    double& dMax;
    double& dShownMax;
};

ChannelValues ValuesOf(MeasuredValuesStruct& m, int iChannel)
{
    if (iChannel == 0)
        return {m.iValueA,     m.iPrevA, m.dScaleA,    m.dValueA, m.dShownValueA, m.dTareA,
                m.dShownTareA, m.dMinA,  m.dShownMinA, m.dMaxA,   m.dShownMaxA};
    return {m.iValueB,     m.iPrevB, m.dScaleB,    m.dValueB, m.dShownValueB, m.dTareB,
            m.dShownTareB, m.dMinB,  m.dShownMinB, m.dMaxB,   m.dShownMaxB};
}

// The count of values to take, truncated; counts beyond the int range stop never or at once.
int CountLimit(double dCount)
{
    if (!(dCount < static_cast<double>(INT_MAX)))
        return INT_MAX;
    if (!(dCount > static_cast<double>(INT_MIN)))
        return INT_MIN;
    return static_cast<int>(dCount);
}

double FiniteOrZero(double d)
{
    return std::isfinite(d) ? d : 0.0;
}
} // namespace

CValuePipeline::CValuePipeline(CComPort& port) : m_port(port), m_pClock(&CPipelineClock::System())
{
    for (auto& pList : m_pMeanList)
        pList = std::make_unique<CMovingAverageRing>(1);
    for (auto& pList : m_pReduceList)
        pList = std::make_unique<CMovingAverageRing>(1);
    for (auto& pList : m_pCalibList)
        pList = std::make_unique<CMovingAverageRing>(CALIB_RING_SIZE);
    ResetChannelStructs();
}

CValuePipeline::~CValuePipeline() = default;

void CValuePipeline::Attach(CMeasureHost* pHost, MeasureAdjustStruct* psMeasureAdjust, CPipelinePanel* pPanel,
                            CChannelPaneFields* pChannelA, CChannelPaneFields* pChannelB,
                            CPipelineDiagram* pDiagram)
{
    m_pHost = pHost;
    m_psMeasureAdjust = psMeasureAdjust;
    m_pPanel = pPanel;
    m_pChannelPane[0] = pChannelA;
    m_pChannelPane[1] = pChannelB;
    m_pDiagram = pDiagram;
}

void CValuePipeline::SetClock(CPipelineClock* pClock)
{
    m_pClock = pClock ? pClock : &CPipelineClock::System();
}

bool CValuePipeline::IsAttached() const
{
    return m_pHost && m_psMeasureAdjust && m_pPanel && m_pChannelPane[0] && m_pChannelPane[1] && m_pDiagram;
}

// ---- Values

void CValuePipeline::ProcessMeasuredValues(unsigned uiReason)
{
    if (!IsAttached())
        return;
    const MeasurePanelState& panel = m_pPanel->GetPanelState();
    const int iLanguage = m_pHost->GetLanguageOffset();
    int& iCountdown = m_port.m_iDisplayCountdown;
    switch (uiReason)
    {
        case REASON_STREAM:
            // Once a triggered measurement has reached its duration, its records only test the stop.
            if (m_psMeasureAdjust->iStopSource == MeasureAdjustStruct::STOP_DURATION && m_bDurationReached &&
                panel.bTriggerActive)
            {
                EvaluateTrigger(0);
                return;
            }
            if (!panel.bRunning)
                iCountdown = 0;
            ProcessChannels(Step::NewSample, iLanguage, true);
            return;
        case REASON_SINGLE:
            iCountdown = 0;
            ProcessChannels(Step::NewSample, iLanguage, true);
            return;
        case REASON_INIT:
            m_port.COM_ResetMeasuredValues();
            [[fallthrough]];
        case REASON_REFRESH:
        case REASON_LANGUAGE:
            RefreshChannel(0, iLanguage, uiReason == REASON_LANGUAGE);
            RefreshChannel(1, iLanguage, uiReason == REASON_LANGUAGE);
            return;
        case REASON_MIN_MAX:
        case REASON_TARE:
            // During a run the current sample was taken already: only the fields follow the change.
            if (panel.bRunning)
            {
                ProcessChannels(Step::FieldsOnly, iLanguage, false);
                return;
            }
            iCountdown = 0;
            if (uiReason == REASON_TARE)
                ResetMeanLists(1);
            ProcessChannels(uiReason == REASON_TARE ? Step::NewSample : Step::NoNewValue, iLanguage, true);
            return;
        default:
            return;
    }
}

void CValuePipeline::ProcessChannels(Step step, int iLanguage, bool bHandOver)
{
    MeasuredValuesStruct& m = m_port.m_sMeasuredValues;
    m.iPrevA = m.iValueA;
    ProcessChannel(0, step, iLanguage);
    m.iPrevB = m.iValueB;
    ProcessChannel(1, step, iLanguage);
    if (bHandOver)
        m_pHost->RecordValuePair(m.dValueA, m.dValueB);
}

void CValuePipeline::ProcessChannel(int iChannel, Step step, int iLanguage)
{
    const ChannelValues v = ValuesOf(m_port.m_sMeasuredValues, iChannel);
    const ChannelSettingsStruct& channel = m_sChannel[iChannel];
    CChannelPaneFields& pane = *m_pChannelPane[iChannel];
    // The trigger may clear the countdown, so it is read at each field.
    const int& iCountdown = m_port.m_iDisplayCountdown;
    auto text = [&](double dValue)
    { return CMeasureAdjustHelpers::FormatNumber(dValue, channel.iDecimals, iLanguage); };
    if (step != Step::NoNewValue)
    {
        CMovingAverageRing& ring = *m_pMeanList[iChannel];
        double dValue = static_cast<double>(v.iRaw) * v.dScale;
        if (step == Step::NewSample)
        {
            ring.AddValue(dValue);
            ring.GetAverage(&dValue);
        }
        else if (ring.GetFilled() > 0)
            ring.GetAverage(&dValue);
        if (channel.iSign == 1)
            dValue = -dValue;
        v.dValue = dValue - v.dTare;
        if (step == Step::NewSample)
            EvaluateTrigger(iChannel);
        if (v.dValue != v.dShownValue && pane.IsFieldReady(CChannelPaneFields::FIELD_VALUE) &&
            iCountdown == 0)
        {
            v.dShownValue = v.dValue;
            pane.SetValueText(text(v.dValue));
        }
    }
    if (v.dMax < v.dValue)
        v.dMax = v.dValue;
    if (v.dMax != v.dShownMax && pane.IsFieldReady(CChannelPaneFields::FIELD_MAX) && iCountdown == 0)
    {
        v.dShownMax = v.dMax;
        pane.SetMaxText(text(v.dMax));
    }
    if (v.dMin > v.dValue)
        v.dMin = v.dValue;
    if (v.dMin != v.dShownMin && pane.IsFieldReady(CChannelPaneFields::FIELD_MIN) && iCountdown == 0)
    {
        v.dShownMin = v.dMin;
        pane.SetMinText(text(v.dMin));
    }
    if (v.dTare != v.dShownTare && pane.IsFieldReady(CChannelPaneFields::FIELD_TARE) && iCountdown == 0)
    {
        v.dShownTare = v.dTare;
        pane.SetTareText(text(v.dTare));
    }
}

// All four fields are written whatever their ready flags and the countdown say. A language switch
// keeps value, minimum and maximum and shows them in the new language.
void CValuePipeline::RefreshChannel(int iChannel, int iLanguage, bool bKeepValues)
{
    const ChannelValues v = ValuesOf(m_port.m_sMeasuredValues, iChannel);
    const ChannelSettingsStruct& channel = m_sChannel[iChannel];
    const bool bMinMaxHeld = v.dMin <= v.dMax;
    if (!bKeepValues)
    {
        double dValue = static_cast<double>(v.iRaw) * v.dScale;
        if (channel.iSign == 1)
            dValue = -dValue;
        v.dValue = dValue - v.dTare;
        v.dMax = v.dValue;
        v.dMin = v.dValue;
    }
    v.dShownValue = v.dValue;
    v.dShownTare = v.dTare;
    // Reset marks are not shown: without a minimum and maximum yet the value stands for both.
    v.dShownMax = !bKeepValues || bMinMaxHeld ? v.dMax : v.dValue;
    v.dShownMin = !bKeepValues || bMinMaxHeld ? v.dMin : v.dValue;
    auto text = [&](double dValue)
    { return CMeasureAdjustHelpers::FormatNumber(dValue, channel.iDecimals, iLanguage); };
    CChannelPaneFields& pane = *m_pChannelPane[iChannel];
    pane.SetValueText(text(v.dShownValue));
    pane.SetMaxText(text(v.dShownMax));
    pane.SetMinText(text(v.dShownMin));
    pane.SetTareText(text(v.dShownTare));
}

void CValuePipeline::ResetMeanLists(unsigned uiHow)
{
    auto fromMeanCode = [this](int iChannel) {
        ResizeList(*m_pMeanList[iChannel],
                   CMeasureAdjustHelpers::GetMeanFactor(m_sChannel[iChannel].iMeanCode));
    };
    switch (uiHow)
    {
        case 0:
            fromMeanCode(0);
            fromMeanCode(1);
            for (int i = 0; i < 3; ++i)
            {
                m_iReduceSize[i] = m_iAveragingCount > 1 ? m_iAveragingCount : 1;
                m_iReduceCount[i] = 1;
                ResizeList(*m_pReduceList[i], m_iReduceSize[i]);
            }
            break;
        case 1:
            ResizeList(*m_pMeanList[0], 1);
            ResizeList(*m_pMeanList[1], 1);
            break;
        case 2:
        case 3:
            ResizeList(*m_pMeanList[uiHow - 2], 1);
            break;
        case 4:
        case 5:
            fromMeanCode(static_cast<int>(uiHow) - 4);
            break;
        default:
            break;
    }
}

void CValuePipeline::ResizeList(CMovingAverageRing& ring, int iSize)
{
    ring.Clear();
    ring.SetSize(iSize);
}

bool CValuePipeline::ReduceValue(int iIndex, double dValue, double* pdOut)
{
    if (iIndex < 0 || iIndex > 2)
        return false;
    const int iSize = m_iReduceSize[iIndex];
    if (iSize == 1)
    {
        *pdOut = dValue;
        return true;
    }
    CMovingAverageRing& ring = *m_pReduceList[iIndex];
    ring.AddValue(dValue);
    if (m_iReduceCount[iIndex] < iSize)
    {
        if (IsValueListActive())
            ++m_iReduceCount[iIndex];
        return false;
    }
    ring.GetAverage(pdOut);
    m_iReduceCount[iIndex] = 1;
    return true;
}

bool CValuePipeline::IsValueListActive()
{
    return m_pHost != nullptr && m_pHost->IsFirstPairSeen();
}

void CValuePipeline::ResetCalibLists()
{
    for (auto& pList : m_pCalibList)
        ResizeList(*pList, CALIB_RING_SIZE);
}

void CValuePipeline::AddCalibSample(double dRawA, double dRawB, double dValueA, double dValueB)
{
    m_pCalibList[0]->AddValue(dRawA);
    m_pCalibList[1]->AddValue(dRawB);
    m_pCalibList[2]->AddValue(dValueA);
    m_pCalibList[3]->AddValue(dValueB);
}

CalibRingAverages CValuePipeline::GetCalibAverages() const
{
    CalibRingAverages averages;
    for (int i = 0; i < 4; ++i)
    {
        m_pCalibList[i]->GetAverage(&averages.adAverage[i]);
        averages.aiCount[i] = m_pCalibList[i]->GetFilled();
    }
    return averages;
}

// ---- Trigger

// Exactly one condition is tested: this channel's start or stop threshold, else (channel A only) the
// first shown value, the start time, the duration or the count.
void CValuePipeline::EvaluateTrigger(int iIndex)
{
    if (!m_pPanel->GetPanelState().bTriggerActive)
        return;
    const MeasureAdjustStruct& s = *m_psMeasureAdjust;
    const MeasuredValuesStruct& m = m_port.m_sMeasuredValues;
    const double dValue = iIndex == 0 ? m.dValueA : m.dValueB;
    const int iSource = iIndex + 1;
    auto takeFirstValue = [this]
    {
        if (!m_bTrgFirstValuePending)
            return;
        m_port.m_iDisplayCountdown = 0;
        m_bTrgFirstValuePending = 0;
    };
    if (s.iStartSource == iSource && !m_bTrgStarted)
    {
        takeFirstValue();
        if (TriggerCrossed(dValue, s.iStartDirection, m_dTrgStartValue, m_dTrgStartHysteresis,
                           m_bTrgStartArmed))
            TriggerStart();
    }
    else if (s.iStopSource == iSource && m_bTrgStarted)
    {
        if (TriggerCrossed(dValue, s.iStopDirection, m_dTrgStopValue, m_dTrgStopHysteresis, m_bTrgStopArmed))
            TriggerStop();
    }
    else if (iIndex != 0)
        return;
    else if (s.iStartSource == MeasureAdjustStruct::SOURCE_OFF && !m_bTrgStarted)
        takeFirstValue();
    else if (s.iStartSource == MeasureAdjustStruct::START_SYSTEM_TIME && !m_bTrgStarted)
    {
        takeFirstValue();
        if (m_pClock->Now() >= s.tStartTime)
            TriggerStart();
    }
    else if (s.iStopSource == MeasureAdjustStruct::STOP_DURATION && m_bTrgStarted)
    {
        if (m_pClock->Now() > m_tMeasureEnd)
            TriggerStop();
    }
    else if (s.iStopSource == MeasureAdjustStruct::STOP_COUNT && m_bTrgStarted)
    {
        if (PointsInUse() >= CountLimit(s.dCount))
            TriggerStop();
    }
}

// Arms when the value was beyond threshold and hysteresis on the far side; fires when armed and the
// threshold is reached.
bool CValuePipeline::TriggerCrossed(double dValue, int iDirection, double dThreshold, double dHysteresis,
                                    BYTE& bArmed) const
{
    if (iDirection == MeasureAdjustStruct::DIRECTION_OVER_RUN)
    {
        if (dValue <= dThreshold - dHysteresis)
            bArmed = 1;
        return dValue >= dThreshold && bArmed;
    }
    if (iDirection == MeasureAdjustStruct::DIRECTION_UNDER_RUN)
    {
        if (dValue >= dThreshold + dHysteresis)
            bArmed = 1;
        return dValue <= dThreshold && bArmed;
    }
    return false;
}

void CValuePipeline::TriggerStart()
{
    m_pPanel->SetStartMarker(m_bStartedByOperator);
    m_pPanel->OnBtnMeasureStart();
    m_bTrgStarted = 1;
    m_tMeasureEnd = m_pClock->Now() + m_iDurationSeconds;
}

void CValuePipeline::TriggerStop()
{
    m_pPanel->OnBtnMeasureStop();
    m_bTrgStarted = 0;
    m_port.m_iDisplayCountdown = 0;
}

// The points of the curve in use: Y1, or Y2 when Y1 is off.
int CValuePipeline::PointsInUse()
{
    const MeasureAdjustStruct& s = *m_psMeasureAdjust;
    const bool bY1 = s.iAxisY1 != MeasureAdjustStruct::AXIS_OFF && s.bAxisY1Shown != 0;
    return bY1 ? m_pDiagram->GetPointsY1() : m_pDiagram->GetPointsY2();
}

// ---- Pane commands

void CValuePipeline::OnTara(int iChannel)
{
    const ChannelValues v = ValuesOf(m_port.m_sMeasuredValues, iChannel);
    v.dTare = m_sChannel[iChannel].bTareOff ? 0.0 : v.dValue;
    ProcessMeasuredValues(REASON_TARE);
}

void CValuePipeline::ResetMin(int iChannel)
{
    ValuesOf(m_port.m_sMeasuredValues, iChannel).dMin = MIN_RESET;
    ProcessMeasuredValues(REASON_MIN_MAX);
}

void CValuePipeline::ResetMax(int iChannel)
{
    ValuesOf(m_port.m_sMeasuredValues, iChannel).dMax = MAX_RESET;
    ProcessMeasuredValues(REASON_MIN_MAX);
}

// ---- Channel records

void CValuePipeline::SetupChannels(BYTE ucMode, SensorStruct* psSensor)
{
    if (ucMode == 0)
    {
        ResetChannelStructs();
        // Another sensor may follow: no tare is carried over to it.
        MeasuredValuesStruct& m = m_port.m_sMeasuredValues;
        m.dTareA = 0.0;
        m.dTareB = 0.0;
        m_sChannel[0].bTareOff = 1;
        m_sChannel[1].bTareOff = 1;
    }
    else if (ucMode == 1)
    {
        SetChannelFullScaleCounts(psSensor);
        SetupChannelsFromSensor(psSensor);
    }
}

void CValuePipeline::ResetChannelStructs()
{
    ResetChannelStruct(m_sChannel, 0);
    ResetChannelStruct(m_sChannel, 1);
}

ChannelSettingsStruct* CValuePipeline::ResetChannelStruct(ChannelSettingsStruct* psFirst, int iChannel)
{
    ChannelSettingsStruct& c = psFirst[iChannel];
    for (int i = 0; i < CHANNEL_UNIT_SLOTS; ++i)
    {
        c.iUnitId[i] = 0;
        c.strUnit[i] = "n.a.";
        c.dUnitFactor[i] = 0.0;
    }
    c.iUnitCount = 0;
    c.dRangeEndValue = 0.0;
    c.cTypeClass = 0;
    c.iSelectedUnit = 0;
    c.dCountFactor = 1.0;
    c.iDecimals = 0;
    c.iMeanCode = 0;
    c.iSign = 0;
    c.bAvailable = 0;
    m_iAveragingCount = DEFAULT_AVERAGING_COUNT;
    m_iMeasuringRate = DEFAULT_RATE_CODE;
    psFirst[0].byShown = 1;
    psFirst[1].byShown = 1;
    return psFirst;
}

void CValuePipeline::SetChannelFullScaleCounts(SensorStruct* psSensor)
{
    const SensorStruct& sRecord = psSensor ? *psSensor : m_port.m_sSensor;
    m_sChannel[0].iFullScaleCount = 0;
    m_sChannel[1].iFullScaleCount = 0;
    switch (m_port.m_sSensor.ucAdjustment)
    {
        case ADJUSTMENT_NONE:
            m_sChannel[0].iFullScaleCount = FULL_SCALE_NOT_ADJUSTED;
            m_sChannel[1].iFullScaleCount = FULL_SCALE_NOT_ADJUSTED;
            break;
        case ADJUSTMENT_FACTORY:
            m_sChannel[0].iFullScaleCount = sRecord.sFactoryCalib.iCalib23;
            m_sChannel[1].iFullScaleCount = sRecord.sFactoryCalib.iCalib25;
            break;
        case ADJUSTMENT_USER:
            m_sChannel[0].iFullScaleCount = sRecord.sUserCalib.iCalib23;
            m_sChannel[1].iFullScaleCount = sRecord.sUserCalib.iCalib25;
            break;
        default:
            break;
    }
}

void CValuePipeline::SetupChannelsFromSensor(SensorStruct* psSensor)
{
    SensorStruct& s = psSensor ? *psSensor : m_port.m_sSensor;
    ClearUnreadSoftwareConfig(&s);
    const int iLanguage = m_pHost ? m_pHost->GetLanguageOffset() : LANGUAGE_ENGLISH;
    for (int i = 0; i < 2; ++i)
    {
        ChannelSetupArgs args;
        args.iChannel = i;
        args.cTypeClass = static_cast<char>(i == 0 ? s.ucTypeClassA : s.ucTypeClassB);
        args.dRangeEndValue = i == 0 ? s.dRangeA : s.dRangeB;
        args.iRangeCode = i == 0 ? s.iRangeCodeA : s.iRangeCodeB;
        args.strSwUnit = i == 0 ? s.strSwUnitA : s.strSwUnitB;
        args.dSwScale = i == 0 ? s.dSwScaleA : s.dSwScaleB;
        args.iDecimals = i == 0 ? s.ucDecimalsA : s.ucDecimalsB;
        args.iUnit = i == 0 ? s.ucUnitA : s.ucUnitB;
        args.iMeanCode = i == 0 ? s.ucMeanCodeA : s.ucMeanCodeB;
        args.iSign = i == 0 ? s.ucSignA : s.ucSignB;
        args.iAveragingCount = s.iAveragingCount;
        args.iRateCode = s.iMeasuringRateCode;
        args.byShownA = s.ucDisplayA;
        args.byShownB = s.ucDisplayB;
        args.psChannel = m_sChannel;
        args.iLanguageOffset = iLanguage;
        args.psSensor = &s;
        SetupChannel(args);
    }
}

bool CValuePipeline::IsStatorQbx5(const SensorStruct& sSensor) const
{
    return sSensor.ucStatorType == 5 && sSensor.ucInterfaceKind == 1;
}

void CValuePipeline::SetupChannel(const ChannelSetupArgs& args)
{
    const SensorStruct& sConnected = m_port.m_sSensor;
    const bool bQbx5 = IsStatorQbx5(sConnected);
    const bool bDigitalInput = bQbx5 && sConnected.ucNoDigitalInput == 0;
    const bool bChannelB = args.iChannel == 1;
    ChannelSettingsStruct* psChannel = args.psChannel;
    ChannelSettingsStruct& c = psChannel[bChannelB ? 1 : 0];
    c.dRangeEndValue = args.dRangeEndValue;
    c.cTypeClass = args.cTypeClass;

    const CUnitTable& table = CUnitTable::ForTypeClass(args.cTypeClass);
    int iCount = 0;
    for (int iCode = 0; iCode < CHANNEL_UNIT_SLOTS; ++iCode)
    {
        const int iId = table.CodeToId(iCode, &c.dUnitFactor[iCode]);
        if (iId < 0)
        {
            c.iUnitId[iCode] = UNIT_ID_UNKNOWN_CODE;
            c.strUnit[iCode] = "n.a.";
            continue;
        }
        c.iUnitId[iCode] = iId;
        CString strUnit;
        if (strUnit.LoadString(static_cast<UINT>(iId + args.iLanguageOffset)))
            c.strUnit[iCode] = strUnit;
        iCount = iCode + 1;
    }

    c.iUnitCount = iCount;
    const int iScalingSlot = iCount;
    c.iUnitId[iScalingSlot] = UNIT_ID_SOFTWARE_SCALING;
    const bool bScaling = (bChannelB ? sConnected.ucSwScalingB : sConnected.ucSwScalingA) != 0;
    c.strUnit[iScalingSlot] = bScaling ? args.strSwUnit : CString("n.a.");
    c.dUnitFactor[iScalingSlot] = bScaling ? FiniteOrZero(args.dSwScale) : 0.0;

    c.bAvailable = bChannelB && bQbx5 ? 0 : 1;

    const bool bQbx5WithoutInput = bQbx5 && !bDigitalInput;
    if (sConnected.ucSwCfgValid)
    {
        c.iDecimals = args.iDecimals;
        // A unit beyond the software-scaling slot is not one of this channel's.
        c.iSelectedUnit = args.iUnit >= 0 && args.iUnit <= iScalingSlot ? args.iUnit : 0;
        c.iMeanCode = args.iMeanCode;
        c.iSign = args.iSign;
        m_iAveragingCount = args.iAveragingCount;
        m_iMeasuringRate = args.iRateCode;
        psChannel[0].byShown = bQbx5WithoutInput && args.byShownA == SHOWN_NOT_OFFERED ? 1 : args.byShownA;
        psChannel[1].byShown = bQbx5WithoutInput ? SHOWN_NOT_OFFERED : args.byShownB;
    }
    else
    {
        CString strRange;
        CTervane_Send::TerSend_RangeCodeToText(strRange, static_cast<UINT>(args.iRangeCode));
        CDisplayHelper helper;
        helper.m_pMainFrame = m_pHost;
        int iUnitCode = 0;
        int iDecimals = 0;
        helper.FormatByTypeClass(args.iChannel, strRange, &args.cTypeClass, CDisplayHelper::MODE_FORMAT,
                                 nullptr, nullptr, nullptr, &iUnitCode, &iDecimals, nullptr);
        c.iDecimals = iDecimals;
        // A unit the table lacks (torque from 10^10 cN·m) selects the table's first unit.
        c.iSelectedUnit = iUnitCode >= 0 && iUnitCode < iCount ? iUnitCode : 0;
        c.iMeanCode = DEFAULT_MEAN_CODE;
        c.iSign = 0;
        m_iAveragingCount = DEFAULT_AVERAGING_COUNT;
        m_iMeasuringRate = DEFAULT_RATE_CODE;
        psChannel[0].byShown = 1;
        psChannel[1].byShown = bQbx5WithoutInput ? SHOWN_NOT_OFFERED : 1;
    }

    if (bChannelB && bDigitalInput)
    {
        c.strUnit[0] = "IN";
        c.iUnitCount = 0;
        c.iUnitId[0] = UNIT_ID_SOFTWARE_SCALING;
        c.iUnitId[1] = UNIT_ID_AFTER_DIGITAL_INPUT;
        c.dUnitFactor[iScalingSlot] = 1.0;
        c.iDecimals = 0;
        c.iSelectedUnit = 0;
        c.iMeanCode = 0;
        c.iSign = 0;
    }

    // A shown byte other than 0, 1 and 2 is taken as 1.
    const bool bUnknownShown = c.byShown > SHOWN_NOT_OFFERED;
    if (bUnknownShown)
        c.byShown = 1;
    if (m_psMeasureAdjust)
    {
        const BYTE bOffered = c.byShown == SHOWN_NOT_OFFERED ? 0 : 1;
        MeasureAdjustStruct& s = *m_psMeasureAdjust;
        (bChannelB ? s.bCheckedB : s.bCheckedA) = bOffered;
        (bChannelB ? s.bEnabledB : s.bEnabledA) = bOffered;
        (bChannelB ? s.bVisibleB : s.bVisibleA) = bOffered;
        (bChannelB ? s.bSpareB : s.bSpareA) = bUnknownShown ? 1 : 0;
    }
    if (m_pHost)
        m_pHost->SetChannelTreeState(args.iChannel, c.byShown);
    if (args.psSensor)
        (bChannelB ? args.psSensor->ucDisplayB : args.psSensor->ucDisplayA) = c.byShown;
}

void CValuePipeline::ClearUnreadSoftwareConfig(SensorStruct* psSensor)
{
    if (!psSensor || psSensor->ucSwCfgRead)
        return;
    SensorStruct& s = *psSensor;
    s.ucUnitA = s.ucUnitB = 0;
    s.ucDecimalsA = s.ucDecimalsB = 0;
    s.ucMeanCodeA = s.ucMeanCodeB = 0;
    s.ucSignA = s.ucSignB = 0;
    s.iMeasuringRateCode = 0;
    s.ucDisplayA = s.ucDisplayB = 0;
}

void CValuePipeline::AddSoftwareScalingUnit()
{
    const SensorStruct& s = m_port.m_sSensor;
    const bool bDigitalInput = IsStatorQbx5(s) && s.ucNoDigitalInput == 0;
    for (int i = 0; i < 2; ++i)
    {
        ChannelSettingsStruct& c = m_sChannel[i];
        if ((i == 1 && bDigitalInput) || !IsSlot(c.iUnitCount))
            continue;
        if ((i == 0 ? s.ucSwScalingA : s.ucSwScalingB) != 0)
            SetSoftwareScalingUnit(i, i == 0 ? s.dSwScaleA : s.dSwScaleB,
                                   i == 0 ? s.strSwUnitA : s.strSwUnitB);
        else
            c.dUnitFactor[c.iUnitCount] = 0.0;
    }
}

void CValuePipeline::StoreDisplaySettings()
{
    SensorStruct& s = m_port.m_sSensor;
    const ChannelSettingsStruct& a = m_sChannel[0];
    const ChannelSettingsStruct& b = m_sChannel[1];
    s.ucUnitA = static_cast<BYTE>(a.iSelectedUnit);
    s.ucUnitB = static_cast<BYTE>(b.iSelectedUnit);
    s.ucDecimalsA = static_cast<BYTE>(a.iDecimals);
    s.ucDecimalsB = static_cast<BYTE>(b.iDecimals);
    s.ucMeanCodeA = static_cast<BYTE>(a.iMeanCode);
    s.ucMeanCodeB = static_cast<BYTE>(b.iMeanCode);
    s.ucSignA = static_cast<BYTE>(a.iSign);
    s.ucSignB = static_cast<BYTE>(b.iSign);
    s.iAveragingCount = m_iAveragingCount;
    s.iMeasuringRateCode = m_iMeasuringRate;
    s.ucDisplayA = a.byShown;
    s.ucDisplayB = b.byShown;
}

// ---- What the protocol reads and writes

void CValuePipeline::SetSoftwareScalingUnit(int iChannel, double dFactor, const CString& strUnit)
{
    if (iChannel != 0 && iChannel != 1)
        return;
    ChannelSettingsStruct& c = m_sChannel[iChannel];
    if (!IsSlot(c.iUnitCount))
        return;
    c.strUnit[c.iUnitCount] = strUnit;
    c.dUnitFactor[c.iUnitCount] = FiniteOrZero(dFactor);
}

int CValuePipeline::GetUnitCount(int iChannel) const
{
    return iChannel == 0 || iChannel == 1 ? m_sChannel[iChannel].iUnitCount : 0;
}

bool CValuePipeline::GetChannelScaleSource(int iChannel, ChannelScaleSource& source) const
{
    if (iChannel != 0 && iChannel != 1)
        return false;
    const ChannelSettingsStruct& c = m_sChannel[iChannel];
    if (!IsSlot(c.iSelectedUnit) || !std::isfinite(c.dUnitFactor[c.iSelectedUnit]))
        return false;
    source.cTypeClass = c.cTypeClass;
    source.iFullScaleCount = c.iFullScaleCount;
    source.iSelectedUnitStringId = c.iUnitId[c.iSelectedUnit];
    source.dSelectedUnitFactor = c.dUnitFactor[c.iSelectedUnit];
    for (int i = 0; i < 3; ++i)
        source.adUnitFactor[i] = c.dUnitFactor[i];
    return true;
}

void CValuePipeline::SetChannelScale(int iChannel, double dCountFactor, double dBaseCountFactor)
{
    if (iChannel != 0 && iChannel != 1)
        return;
    m_sChannel[iChannel].dCountFactor = dCountFactor;
    m_sChannel[iChannel].dBaseCountFactor = dBaseCountFactor;
}
