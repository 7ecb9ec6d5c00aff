// The rules of the operator panel without its window: the buttons each step of a measurement offers,
// the trigger's hystereses and duration, the refresh of the trigger caption and the LEDs, the blink of
// the trigger LED, and what one tick of the polling timer does.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

struct ChannelSettingsStruct;
struct MeasureAdjustStruct;
struct MeasurePanelState;
struct SensorStruct;

class CPanelRules
{
public:
    // LED states.
    enum
    {
        LED_OFF = 0,
        LED_GREEN = 1,  // trigger: a triggered measurement records; control: the signal is on (red)
        LED_YELLOW = 2, // trigger: waiting for the start event
    };
    // The hysteresis of a source that has none.
    static constexpr double NO_HYSTERESIS = -6.66666;
    // A full-scale count below this is the count of a smaller range: the range is raised to 25000 counts.
    static constexpr int FULL_SCALE_MIN = 19000;
    static constexpr int FULL_SCALE_NOMINAL = 25000;
    static constexpr double ADU_START_HYSTERESIS = 300.1;
    static constexpr double ADU_STOP_HYSTERESIS = 300.2;

    // The five buttons (Start, Stop, Single shot, Trigger, Control), 1 enabled, 0 disabled.
    static void SetButtons(MeasurePanelState& s, int iStart, int iStop, int iSingleShot, int iTrigger,
                           int iCtrl);
    // A sensor is connected and no measurement runs.
    static void SetReady(MeasurePanelState& s);
    static void SetDisconnected(MeasurePanelState& s);
    // A measurement records: Stop and, while polling, Control; Trigger while the trigger is armed.
    static void SetMeasuring(MeasurePanelState& s, bool bStreamMode);
    // The trigger waits for its start event: Start (records at once), Trigger (disarms), Control while
    // polling.
    static void SetArmed(MeasurePanelState& s, bool bStreamMode);
    // The measurement stops until its output is finished: Stop, Trigger and Control off.
    static void SetStopping(MeasurePanelState& s);

    struct TriggerPreparation
    {
        double dStartHysteresis = NO_HYSTERESIS;
        double dStopHysteresis = NO_HYSTERESIS;
        // Set for a stop by duration (3) or count (4): the whole seconds the measurement takes.
        bool bDurationSet = false;
        int iDurationSeconds = 0;
    };
    // The hystereses of the start and stop sources (1 % of the channel's range end value in its
    // selected unit; 300.1 and 300.2 in ADU; 0 for the digital input on B) and the seconds of a stop
    // by duration or count.
    static TriggerPreparation PrepareTrigger(const MeasureAdjustStruct& s,
                                             const ChannelSettingsStruct* psChannels, bool bDigitalInputB);
    // dValue truncated to an int, held at INT_MIN and INT_MAX.
    static int ClampToInt(double dValue);

    // The Trigger caption (IDS_TRIGGER_ON or IDS_TRIGGER_OFF) by the panel's state and the auto-repeat box.
    static int TriggerCaptionId(const MeasurePanelState& s, bool bAutoRepeatChecked);
    // The trigger LED after a refresh: off while not armed; armed, green stays green and anything else
    // other than yellow becomes yellow.
    static int RefreshedTriggerLed(const MeasurePanelState& s);
    // One blink step of the armed trigger LED: off and yellow alternate, green stays, anything else
    // becomes green.
    static int NextBlinkState(int iTriggerLed);
    // The control LED shows 1 as on and everything else as off.
    static int ShownControlLed(int iCtrlLed) { return iCtrlLed == 1 ? 1 : 0; }

    // What one tick of the polling timer does.
    enum TickAction
    {
        TICK_TOGGLE_CONTROL, // a pending control switch; no value request this tick
        TICK_READ_RAW,       // the raw-value request of a calibration reading
        TICK_SINGLE_SHOT,    // the next single-shot request
        TICK_NO_ANSWER,      // RS485: the previous request was not answered
    };
    static TickAction ChooseTickAction(bool bCtrlRequest, int iZMState, bool bRs485, bool bDataReceived);
    // A sensor of stator type 5 reached through an RS485 interface: not the QBX interface and a port
    // key that does not name the maker's USB interface.
    static bool IsRs485Interface(const SensorStruct& sSensor, const CString& strPortKey);
};
