// What the sensor engine (CComPort) needs of the main frame: the trace, the frame's timers, the wait
// cursor, the interface language, the main window, the lost sensor, the diagnostic log, and the value
// calls that the frame hands on to its value pipeline. The main frame attaches itself with
// CComPort::COM_AttachHost; until then the engine talks to an object of this class itself, whose calls
// do nothing and whose answers are those of a program without a frame. Every call runs on the
// user-interface thread.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "protocol/Language.h"

struct SensorStruct;

// What the scale factors of a channel are computed from (its ChannelSettingsStruct).
struct ChannelScaleSource
{
    char cTypeClass = 'X';
    int iFullScaleCount = 0;
    int iSelectedUnitStringId = 0;
    double dSelectedUnitFactor = 1.0;
    // Unit factors of the first three unit slots (the base slot is chosen by the type class).
    double adUnitFactor[3] = {1.0, 1.0, 1.0};
};

// Averages and fill levels of the four calibration rings: raw A, raw B, value A, value B.
struct CalibRingAverages
{
    double adAverage[4] = {};
    int aiCount[4] = {};
};

class CComPortHost
{
public:
    // The language and the measuring rate code the engine works with while no frame is attached:
    // English, and the value pipeline's starting rate.
    static constexpr int NO_FRAME_LANGUAGE_OFFSET = LANGUAGE_ENGLISH;
    static constexpr int NO_FRAME_MEASURING_RATE_CODE = 6;

    virtual ~CComPortHost() = default;

    // ---- Main frame
    virtual void Frame_Trace(const CString&) {}
    virtual void Frame_BeginWaitCursor() {}
    virtual void Frame_EndWaitCursor() {}
    virtual void Frame_SetTimer(UINT_PTR, UINT) {}
    virtual void Frame_KillTimer(UINT_PTR) {}
    virtual int Frame_GetLanguageOffset() { return NO_FRAME_LANGUAGE_OFFSET; }
    virtual void Frame_ShowMainWindow() {}
    virtual void Frame_SetSensorConfigRead(bool) {}
    // One diagnostic-log entry for the sensor (written only while logging is on).
    virtual void Frame_WriteDiagnosticLog(const SensorStruct&, const CString&, const CString&) {}
    // The connected sensor stopped answering (its request was repeated in vain): the frame marks its
    // port as not answering and tests the connection again, stopping a running measurement first
    // when bStopMeasurement is set.
    virtual void Frame_HandleSensorLost(bool /*bStopMeasurement*/) {}
    // The line to the connected sensor broke (its port failed) and the engine has closed the port: the
    // frame reacts as to the removal of the port.
    virtual void Frame_HandleLineBroken() {}

    // ---- Value pipeline of the main frame
    virtual void Frame_ProcessMeasuredValues(int /*iReason*/) {}
    virtual void Frame_ResetMeanLists(int /*iReason*/) {}
    virtual void Frame_ResetCalibLists() {}
    virtual void Frame_AddCalibSample(double, double, double, double) {}
    virtual CalibRingAverages Frame_GetCalibAverages() { return {}; }
    virtual void Frame_SetupChannels(int /*iMode*/, SensorStruct*) {}
    virtual void Frame_AddSoftwareScalingUnit() {}
    // The software-scaling entry of the channel's unit table (the slot at its unit count).
    virtual void Frame_SetSoftwareScalingUnit(int /*iChannel*/, double /*dFactor*/,
                                              const CString& /*strUnit*/)
    {
    }
    virtual int Frame_GetUnitCount(int /*iChannel*/) { return 0; }
    virtual void Frame_StoreDisplaySettings() {}
    virtual int Frame_GetMeasuringRateCode() { return NO_FRAME_MEASURING_RATE_CODE; }
    // False leaves the channel's scale as it is.
    virtual bool Frame_GetChannelScaleSource(int /*iChannel*/, ChannelScaleSource&) { return false; }
    virtual void Frame_SetChannelScale(int /*iChannel*/, double /*dCountFactor*/, double /*dBaseCountFactor*/)
    {
    }
    // A measurement starts: the trigger-start flag and the value file's drop-last-row flag are
    // cleared, the averaging rings sized from the settings, the diagram prepared.
    virtual void Frame_OnMeasureStarting(bool /*bNewDiagram*/) {}
};
