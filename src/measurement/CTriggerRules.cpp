#include "measurement/CTriggerRules.h"

#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "shell/CEnvironment.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace
{
using S = MeasureAdjustStruct;
constexpr double MAX_HELD = INT_MAX;
constexpr double SHORT_WORD_BEYOND = 1e11;
} // namespace

bool CTriggerRules::ResetTriggerSettings(MeasureAdjustStruct& s, int iMode, LastConnection& last,
                                         const CString& strPort, ULONG ulSerialNo)
{
    if (iMode == 1)
    {
        if (strPort == last.strPort && ulSerialNo == last.ulSerialNo && s.bCheckedA == s.bSavedCheckedA &&
            s.bCheckedB == s.bSavedCheckedB)
            return false;
        last.strPort = strPort;
        last.ulSerialNo = ulSerialNo;
    }
    else if (iMode != 0)
        return false;
    s.ResetTriggerSettings();
    return true;
}

void CTriggerRules::ChangeTriggerSetting(MeasureAdjustStruct& s, int iWhat, int iValue, __time64_t tNow)
{
    switch (iWhat)
    {
        case START_SOURCE:
            s.iStartSource = iValue;
            ApplyStartSource(s, tNow);
            break;
        case STOP_SOURCE:
            s.iStopSource = iValue;
            ApplyStopSource(s);
            break;
        case START_DIRECTION:
            s.iStartDirection = iValue;
            break;
        case STOP_DIRECTION:
            s.iStopDirection = iValue;
            break;
        default:
            break;
    }
}

void CTriggerRules::ApplyStartSource(MeasureAdjustStruct& s, __time64_t tNow)
{
    switch (s.iStartSource)
    {
        case S::SOURCE_CHANNEL_A:
        case S::SOURCE_CHANNEL_B:
            s.bStartValueShown = 1;
            s.bStartTimeShown = 0;
            s.dStartValue = 0.0;
            break;
        case S::START_SYSTEM_TIME:
            s.bStartValueShown = 0;
            s.bStartTimeShown = 1;
            s.tStartTime = tNow + START_TIME_LEAD_S;
            break;
        default:
            s.bStartValueShown = 0;
            s.bStartTimeShown = 0;
            break;
    }
}

void CTriggerRules::ApplyStopSource(MeasureAdjustStruct& s)
{
    s.bStopValueShown = 0;
    s.bDurationShown = 0;
    s.bCountShown = 0;
    switch (s.iStopSource)
    {
        case S::SOURCE_CHANNEL_A:
        case S::SOURCE_CHANNEL_B:
            s.bStopValueShown = 1;
            s.dStopValue = 0.0;
            break;
        case S::STOP_DURATION:
            s.bDurationShown = 1;
            s.dDuration = 1.0;
            break;
        case S::STOP_COUNT:
            s.bCountShown = 1;
            s.dCount = 1.0;
            break;
        default:
            break;
    }
}

__time64_t CTriggerRules::ShownStartTime(__time64_t tStored, __time64_t tNow)
{
    return tStored > tNow + START_TIME_LEAD_S ? tStored : tNow + START_TIME_LEAD_S;
}

__time64_t CTriggerRules::PickedStartTime(__time64_t tPicked, __time64_t tNow)
{
    return tPicked > tNow ? tPicked : tNow + START_TIME_LEAD_S;
}

int CTriggerRules::DurationUnitForRate(int iRateCode)
{
    if (iRateCode >= 15 && iRateCode <= 18)
        return IDS_MINUTES;
    return iRateCode == 19 ? IDS_HOURS : IDS_SECONDS;
}

double CTriggerRules::DurationUnitFactor(int iUnitId)
{
    if (iUnitId == IDS_MINUTES)
        return 60.0;
    return iUnitId == IDS_HOURS ? 3600.0 : 1.0;
}

bool CTriggerRules::ReadDuration(MeasureAdjustStruct& s, double& dFieldValue)
{
    bool bRewrite = false;
    if (!(dFieldValue > 0.0))
    {
        dFieldValue = 1.0;
        bRewrite = true;
    }
    const int iUnit = s.iDurationUnitId;
    if (iUnit != IDS_SECONDS && iUnit != IDS_MINUTES && iUnit != IDS_HOURS)
        return bRewrite;
    const double dFactor = DurationUnitFactor(iUnit);
    s.dDuration = dFieldValue * dFactor;
    if (s.dDuration > MAX_HELD)
    {
        s.dDuration = MAX_HELD;
        dFieldValue = std::floor(MAX_HELD / dFactor);
        bRewrite = true;
    }
    return bRewrite;
}

bool CTriggerRules::ReadCount(MeasureAdjustStruct& s, double& dFieldValue)
{
    s.dCount = dFieldValue;
    if (!(s.dCount > MAX_HELD))
        return false;
    s.dCount = dFieldValue = MAX_HELD;
    return true;
}

double CTriggerRules::DurationInUnit(const MeasureAdjustStruct& s)
{
    return s.dDuration / DurationUnitFactor(s.iDurationUnitId);
}

CString CTriggerRules::DurationInfo(const MeasureAdjustStruct& s, int iAveragingCount, const CString& strUnit,
                                    const CString& strPoints, const CString& strPointsShort)
{
    CString strText = strUnit;
    const double dPeriod = s.dSamplePeriod;
    if (s.dDuration <= 0.0)
        strText += " (0 ";
    else
    {
        double dValues = s.dDuration / dPeriod / std::max(1, iAveragingCount);
        if (!std::isfinite(dValues) || dValues < 0.0)
            dValues = 0.0;
        CString strCount;
        strCount.Format(" (%lld", static_cast<long long>(std::min(dValues, 9.0e18)));
        strText += strCount;
    }
    const bool bShort = s.dDuration / dPeriod - 0.499999999999 > SHORT_WORD_BEYOND;
    strText += " " + (bShort ? strPointsShort : strPoints) + ")";
    return strText;
}

CString CTriggerRules::CountInfo(const MeasureAdjustStruct& s, int iAveragingCount, int iLanguage,
                                 const CString& strUnit, const CString& strPoints)
{
    const double dTime =
        s.dCount * s.dSamplePeriod / DurationUnitFactor(s.iDurationUnitId) * std::max(1, iAveragingCount);
    CString strTime;
    strTime.Format("%0.4f", dTime);
    strTime = LocalizeDecimalSeparator(iLanguage, CEnvironment::StripTrailingZeros(strTime));
    return strPoints + " (" + strTime + " " + strUnit + ")";
}

CString CTriggerRules::FormatValue(double dValue, int iLanguage)
{
    CString strValue;
    strValue.Format("%f", dValue);
    return LocalizeDecimalSeparator(iLanguage, CEnvironment::StripTrailingZeros(strValue));
}
