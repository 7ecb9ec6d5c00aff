#include "measurement/CPanelRules.h"

#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurePanelState.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/SensorStruct.h"
#include "protocol/ZMState.h"

#include <climits>
#include <cmath>

namespace
{
constexpr double ROUND_UP = 0.999999;
const char* const MAKER_USB_INTERFACE = "Tervane USB";

// 1 % of the channel's range end value in its selected unit, or the ADU hysteresis.
double ChannelHysteresis(const ChannelSettingsStruct& c, double dAduHysteresis)
{
    const int iSlot = c.iSelectedUnit >= 0 && c.iSelectedUnit < CHANNEL_UNIT_SLOTS ? c.iSelectedUnit : 0;
    if (c.iUnitId[iSlot] == IDS_UNIT_ADU)
        return dAduHysteresis;
    double dRange = std::fabs(c.dRangeEndValue);
    // A full-scale count of 0 or less has no range to raise (it would divide by zero).
    if (c.iFullScaleCount > 0 && c.iFullScaleCount < CPanelRules::FULL_SCALE_MIN)
        dRange = dRange * CPanelRules::FULL_SCALE_NOMINAL / c.iFullScaleCount;
    return dRange / 100.0 * c.dUnitFactor[iSlot];
}

double SourceHysteresis(int iSource, const ChannelSettingsStruct* psChannels, bool bDigitalInputB,
                        double dAduHysteresis)
{
    if (iSource == MeasureAdjustStruct::SOURCE_CHANNEL_A)
        return ChannelHysteresis(psChannels[0], dAduHysteresis);
    if (iSource == MeasureAdjustStruct::SOURCE_CHANNEL_B)
        return bDigitalInputB ? 0.0 : ChannelHysteresis(psChannels[1], dAduHysteresis);
    return CPanelRules::NO_HYSTERESIS;
}
} // namespace

void CPanelRules::SetButtons(MeasurePanelState& s, int iStart, int iStop, int iSingleShot, int iTrigger,
                             int iCtrl)
{
    s.sIsVisible[MeasurePanelState::BTN_MEASURE_START] = static_cast<BYTE>(iStart);
    s.sIsVisible[MeasurePanelState::BTN_MEASURE_STOP] = static_cast<BYTE>(iStop);
    s.sIsVisible[MeasurePanelState::BTN_SINGLE_SHOT] = static_cast<BYTE>(iSingleShot);
    s.sIsVisible[MeasurePanelState::BTN_TRIGGER] = static_cast<BYTE>(iTrigger);
    s.sIsVisible[MeasurePanelState::BTN_CTRL] = static_cast<BYTE>(iCtrl);
}

void CPanelRules::SetReady(MeasurePanelState& s)
{
    SetButtons(s, 1, 0, 1, 1, 1);
}

void CPanelRules::SetDisconnected(MeasurePanelState& s)
{
    SetButtons(s, 0, 0, 0, 0, 0);
}

void CPanelRules::SetMeasuring(MeasurePanelState& s, bool bStreamMode)
{
    SetButtons(s, 0, 1, 0, s.bTriggerActive, bStreamMode ? 0 : 1);
}

void CPanelRules::SetArmed(MeasurePanelState& s, bool bStreamMode)
{
    SetButtons(s, 1, 0, 0, 1, bStreamMode ? 0 : 1);
}

void CPanelRules::SetStopping(MeasurePanelState& s)
{
    s.sIsVisible[MeasurePanelState::BTN_MEASURE_STOP] = 0;
    s.sIsVisible[MeasurePanelState::BTN_TRIGGER] = 0;
    s.sIsVisible[MeasurePanelState::BTN_CTRL] = 0;
}

CPanelRules::TriggerPreparation CPanelRules::PrepareTrigger(const MeasureAdjustStruct& s,
                                                            const ChannelSettingsStruct* psChannels,
                                                            bool bDigitalInputB)
{
    TriggerPreparation p;
    p.dStartHysteresis = SourceHysteresis(s.iStartSource, psChannels, bDigitalInputB, ADU_START_HYSTERESIS);
    if (s.iStopSource == MeasureAdjustStruct::STOP_DURATION)
    {
        p.bDurationSet = true;
        p.iDurationSeconds = ClampToInt(s.dDuration + ROUND_UP);
    }
    else if (s.iStopSource == MeasureAdjustStruct::STOP_COUNT)
    {
        p.bDurationSet = true;
        p.iDurationSeconds = ClampToInt(s.dCount * s.dSamplePeriod + ROUND_UP);
    }
    else
        p.dStopHysteresis = SourceHysteresis(s.iStopSource, psChannels, bDigitalInputB, ADU_STOP_HYSTERESIS);
    return p;
}

int CPanelRules::ClampToInt(double dValue)
{
    if (!(dValue < static_cast<double>(INT_MAX)))
        return INT_MAX;
    if (!(dValue > static_cast<double>(INT_MIN)))
        return INT_MIN;
    return static_cast<int>(dValue);
}

int CPanelRules::TriggerCaptionId(const MeasurePanelState& s, bool bAutoRepeatChecked)
{
    if (s.bTriggerActive)
        return IDS_TRIGGER_OFF;
    return s.bTriggerOn && bAutoRepeatChecked ? IDS_TRIGGER_OFF : IDS_TRIGGER_ON;
}

int CPanelRules::RefreshedTriggerLed(const MeasurePanelState& s)
{
    if (!s.bTriggerActive)
        return LED_OFF;
    return s.iTriggerLed == LED_GREEN || s.iTriggerLed == LED_YELLOW ? s.iTriggerLed : LED_YELLOW;
}

int CPanelRules::NextBlinkState(int iTriggerLed)
{
    switch (iTriggerLed)
    {
        case LED_OFF:
            return LED_YELLOW;
        case LED_YELLOW:
            return LED_OFF;
        default:
            return LED_GREEN;
    }
}

CPanelRules::TickAction CPanelRules::ChooseTickAction(bool bCtrlRequest, int iZMState, bool bRs485,
                                                      bool bDataReceived)
{
    if (bCtrlRequest)
        return TICK_TOGGLE_CONTROL;
    if (iZMState == ZM_READ_RAW_CALIB_INIT)
        return TICK_READ_RAW;
    return bRs485 && !bDataReceived ? TICK_NO_ANSWER : TICK_SINGLE_SHOT;
}

bool CPanelRules::IsRs485Interface(const SensorStruct& sSensor, const CString& strPortKey)
{
    return sSensor.ucStatorType == 5 && sSensor.ucInterfaceKind == 0 &&
           strPortKey.Find(MAKER_USB_INTERFACE) < 0;
}
