// The value pipeline of the main frame: it turns the values of channels A and B that the protocol
// delivers into what the operator sees and what is stored. Each value is scaled into the channel's
// unit, averaged over a moving window, inverted by the channel's sign and tared; minimum and maximum
// are kept; changed values go to the channel panes; the start and stop conditions of a triggered
// measurement are evaluated; and each processed pair goes to the frame's recording step.
//
// It also keeps the two channel records m_sChannel (unit list, selected unit, decimals, averaging,
// sign), fills them from the sensor's configuration, copies the display settings back into the sensor
// record, reduces the diagram's points and holds the calibration readings' rings.
//
// The main frame owns one pipeline and hands it the protocol's calls (CComPortHost's Frame_* calls)
// and the panes' commands; it attaches the panes, the panel, the diagram and itself once they exist.
// Until then ProcessMeasuredValues does nothing. Everything runs on the interface thread.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "measurement/ChannelSettingsStruct.h"

#include <ctime>
#include <memory>

class CChannelPaneFields;
class CComPort;
class CMeasureHost;
class CMovingAverageRing;
class CPipelineClock;
class CPipelineDiagram;
class CPipelinePanel;
struct CalibRingAverages;
struct ChannelScaleSource;
struct MeasureAdjustStruct;
struct SensorStruct;

// The values CMainFrame::SetupChannel fills one channel record from.
struct ChannelSetupArgs
{
    int iChannel = 0;
    char cTypeClass = 0;
    double dRangeEndValue = 0.0;
    int iRangeCode = 0;
    CString strSwUnit;
    double dSwScale = 0.0;
    int iDecimals = 0;
    int iUnit = 0;
    int iMeanCode = 0;
    int iSign = 0;
    int iAveragingCount = 0;
    int iRateCode = 0;
    BYTE byShownA = 0;
    BYTE byShownB = 0;
    ChannelSettingsStruct* psChannel = nullptr;
    int iLanguageOffset = 0;
    SensorStruct* psSensor = nullptr; // receives the shown byte
};

class CValuePipeline
{
public:
    // Reasons of ProcessMeasuredValues.
    enum Reason : unsigned
    {
        REASON_STREAM = 0,   // a stream record
        REASON_SINGLE = 1,   // a single-shot or polled value
        REASON_INIT = 2,     // the raw value read at the sensor's initialisation
        REASON_REFRESH = 3,  // display settings changed: values shown afresh, minimum and maximum reset
        REASON_MIN_MAX = 4,  // minimum or maximum reset
        REASON_TARE = 5,     // tare, and the end of a measurement's diagram
        REASON_LANGUAGE = 6, // language switch: the texts shown afresh, nothing reset
    };
    static constexpr int REDUCE_X = 0;
    static constexpr int REDUCE_Y1 = 1;
    static constexpr int REDUCE_Y2 = 2;
    static constexpr int CALIB_RING_SIZE = 1250;

    explicit CValuePipeline(CComPort& port);
    ~CValuePipeline();
    CValuePipeline(const CValuePipeline&) = delete;
    CValuePipeline& operator=(const CValuePipeline&) = delete;

    // The frame, the settings record and the panel, panes and diagram, once they all exist.
    void Attach(CMeasureHost* pHost, MeasureAdjustStruct* psMeasureAdjust, CPipelinePanel* pPanel,
                CChannelPaneFields* pChannelA, CChannelPaneFields* pChannelB, CPipelineDiagram* pDiagram);
    // Replaces the system clock of the trigger conditions (null restores it).
    void SetClock(CPipelineClock* pClock);
    // The clock of the trigger conditions, which the settings page's start time follows too.
    CPipelineClock& GetClock() const { return *m_pClock; }

    // ---- Values
    void ProcessMeasuredValues(unsigned uiReason);
    // 0 all rings from the settings, 1 both averaging rings to 1, 2 A to 1, 3 B to 1, 4 A and 5 B from
    // their mean codes.
    void ResetMeanLists(unsigned uiHow);
    // Index 0 x, 1 y1, 2 y2: true with the mean of a completed group (every value when the group size
    // is 1); groups advance only while the frame's first pair of a measurement has been seen.
    bool ReduceValue(int iIndex, double dValue, double* pdOut);
    // The frame buffers the values of a measurement (its first pair has been seen): groups advance.
    bool IsValueListActive();
    void ResetCalibLists();
    void AddCalibSample(double dRawA, double dRawB, double dValueA, double dValueB);
    CalibRingAverages GetCalibAverages() const;

    // ---- Pane commands
    void OnTaraA() { OnTara(0); }
    void OnTaraB() { OnTara(1); }
    void ResetMinA() { ResetMin(0); }
    void ResetMinB() { ResetMin(1); }
    void ResetMaxA() { ResetMax(0); }
    void ResetMaxB() { ResetMax(1); }

    // ---- Channel records
    // 0 resets both records (and clears both tares), 1 fills them from psSensor or, when it is null,
    // from the connected sensor's record.
    void SetupChannels(BYTE ucMode, SensorStruct* psSensor);
    void ResetChannelStructs();
    ChannelSettingsStruct* ResetChannelStruct(ChannelSettingsStruct* psFirst, int iChannel);
    void SetChannelFullScaleCounts(SensorStruct* psSensor);
    void SetupChannelsFromSensor(SensorStruct* psSensor);
    void SetupChannel(const ChannelSetupArgs& args);
    void ClearUnreadSoftwareConfig(SensorStruct* psSensor);
    void AddSoftwareScalingUnit();
    void StoreDisplaySettings();

    // ---- What the protocol reads and writes of the channel records
    void SetSoftwareScalingUnit(int iChannel, double dFactor, const CString& strUnit);
    int GetUnitCount(int iChannel) const;
    bool GetChannelScaleSource(int iChannel, ChannelScaleSource& source) const;
    void SetChannelScale(int iChannel, double dCountFactor, double dBaseCountFactor);

    // ---- Channel records and shared measurement state of the main frame
    ChannelSettingsStruct m_sChannel[2];
    int m_iAveragingCount = 1;
    int m_iMeasuringRate = 6;

    BYTE m_bTrgStarted = 0;
    double m_dTrgStartValue = 0.0;
    double m_dTrgStopValue = 0.0;
    double m_dTrgStartHysteresis = 0.0;
    double m_dTrgStopHysteresis = 0.0;
    BYTE m_bTrgStartArmed = 0;
    BYTE m_bTrgStopArmed = 0;
    BYTE m_bTrgFirstValuePending = 0;
    int m_iDurationSeconds = 0;
    __time64_t m_tMeasureEnd = 0;
    BYTE m_bDurationReached = 0;
    BYTE m_bStartedByOperator = 0;
    // A measurement started with the trigger still waits for its start event: its pairs are not recorded.
    BYTE m_bTriggerWait = 0;

    std::unique_ptr<CMovingAverageRing> m_pMeanList[2];
    std::unique_ptr<CMovingAverageRing> m_pReduceList[3];
    int m_iReduceCount[3] = {1, 1, 1};
    int m_iReduceSize[3] = {1, 1, 1};
    std::unique_ptr<CMovingAverageRing> m_pCalibList[4];

private:
    // How a channel step treats the current sample.
    enum class Step
    {
        NewSample,  // scaled, averaged, tared, trigger evaluated
        NoNewValue, // minimum and maximum only
        FieldsOnly, // the value recomputed from the ring as it is, no trigger
    };
    void ProcessChannels(Step step, int iLanguage, bool bHandOver);
    void ProcessChannel(int iChannel, Step step, int iLanguage);
    void RefreshChannel(int iChannel, int iLanguage, bool bKeepMinMax);
    void EvaluateTrigger(int iIndex);
    bool TriggerCrossed(double dValue, int iDirection, double dThreshold, double dHysteresis,
                        BYTE& bArmed) const;
    void TriggerStart();
    void TriggerStop();
    int PointsInUse();
    void ResizeList(CMovingAverageRing& ring, int iSize);
    void OnTara(int iChannel);
    void ResetMin(int iChannel);
    void ResetMax(int iChannel);
    bool IsAttached() const;
    bool IsStatorQbx5(const SensorStruct& sSensor) const;
    static bool IsSlot(int iSlot) { return iSlot >= 0 && iSlot < CHANNEL_UNIT_SLOTS; }

    CComPort& m_port;
    CMeasureHost* m_pHost = nullptr;
    MeasureAdjustStruct* m_psMeasureAdjust = nullptr;
    CPipelinePanel* m_pPanel = nullptr;
    CChannelPaneFields* m_pChannelPane[2] = {};
    CPipelineDiagram* m_pDiagram = nullptr;
    CPipelineClock* m_pClock = nullptr;
};
