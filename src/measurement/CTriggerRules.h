// The rules of the trigger start and stop conditions of the measurement settings record: their reset
// after a change of port, sensor or channel checks, the sources and what each one shows, the start time
// that must lie ahead, the duration's unit by the measuring rate, and the info texts of duration and
// count. Durations (in seconds) and counts are held at most INT_MAX.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "measurement/MeasurementTexts.h"

#include <ctime>

struct MeasureAdjustStruct;

class CTriggerRules
{
public:
    // What ChangeTriggerSetting changes.
    enum
    {
        START_SOURCE = 0,
        STOP_SOURCE = 1,
        START_DIRECTION = 2,
        STOP_DIRECTION = 3,
    };
    // A start time lies at least this many seconds ahead.
    static constexpr int START_TIME_LEAD_S = 15;

    // The port and the sensor for which the trigger settings were last valid.
    struct LastConnection
    {
        CString strPort;
        ULONG ulSerialNo = 0;
    };

    // Mode 0 sets both conditions off with the sources the checked channels offer. Mode 1 does so only
    // when the port, the sensor or a channel check differs from the last time, and then remembers the
    // port and the sensor. Other modes do nothing. True when the conditions were reset.
    static bool ResetTriggerSettings(MeasureAdjustStruct& s, int iMode, LastConnection& last,
                                     const CString& strPort, ULONG ulSerialNo);
    // Stores the value of what and applies a new start or stop source.
    static void ChangeTriggerSetting(MeasureAdjustStruct& s, int iWhat, int iValue, __time64_t tNow);

    // The start time the picker shows: the stored one while it lies more than the lead ahead.
    static __time64_t ShownStartTime(__time64_t tStored, __time64_t tNow);
    // A picked start time that is not later than now becomes now plus the lead.
    static __time64_t PickedStartTime(__time64_t tPicked, __time64_t tNow);

    // The duration unit (IDS_SECONDS, IDS_MINUTES, IDS_HOURS) of a measuring rate: minutes for 15-18,
    // hours for 19, else seconds.
    static int DurationUnitForRate(int iRateCode);
    // Seconds per duration unit; 1 for an unknown id.
    static double DurationUnitFactor(int iUnitId);
    // Takes the duration field's value (in the record's unit) into the record: 0 or less becomes 1, and
    // a duration beyond INT_MAX seconds is held there. True when the field must show dFieldValue anew.
    static bool ReadDuration(MeasureAdjustStruct& s, double& dFieldValue);
    // Takes the count field's value; a count beyond INT_MAX is held there. True when the field must
    // show dFieldValue anew.
    static bool ReadCount(MeasureAdjustStruct& s, double& dFieldValue);
    // The duration in the record's unit, and the count, as the fields show them.
    static double DurationInUnit(const MeasureAdjustStruct& s);

    // "<unit> (<values> <points>)": the number of values the duration takes at the sample period and
    // the averaging count, with the short word for points beyond 1e11.
    static CString DurationInfo(const MeasureAdjustStruct& s, int iAveragingCount, const CString& strUnit,
                                const CString& strPoints, const CString& strPointsShort);
    // "<points> (<time> <unit>)": the time the count takes, in the duration unit.
    static CString CountInfo(const MeasureAdjustStruct& s, int iAveragingCount, int iLanguage,
                             const CString& strUnit, const CString& strPoints);
    // A value as "%f" without trailing zeros, in the language's decimal separator.
    static CString FormatValue(double dValue, int iLanguage);

private:
    static void ApplyStartSource(MeasureAdjustStruct& s, __time64_t tNow);
    static void ApplyStopSource(MeasureAdjustStruct& s);
};
