// A point in time: seconds since 1970-01-01 00:00 UTC (64-bit). The calendar accessors and Format
// read it as local time.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CString.h"
#include "framework/CTimeSpan.h"

#include <ctime>

// winbase.h defines GetCurrentTime() as GetTickCount(); the name belongs to CTime here.
#undef GetCurrentTime

class CTime
{
public:
    static CTime GetCurrentTime();

    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}
    // A local date and time; nDST < 0 lets the C runtime decide on daylight saving time.
    // Fields outside their ranges (year before 1900, month 1-12, day 1-31, hour 0-23, minute and second
    // 0-59) or a time the C runtime cannot represent raise CInvalidArgException.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    __time64_t GetTime() const { return m_time; }
    // The local broken-down time, or null when the time cannot be converted.
    struct tm* GetLocalTm(struct tm* ptm) const;

    // Each 0 when the time cannot be converted. Month 1-12, day of week 1 (Sunday) to 7.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;

    // strftime of the local time; empty when the time cannot be converted.
    CString Format(const char* pszFormat) const;

    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span)
    {
        m_time += span.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan span)
    {
        m_time -= span.GetTimeSpan();
        return *this;
    }
    auto operator<=>(const CTime&) const = default;

private:
    int LocalField(int tm::*pField, int nOffset) const;

    __time64_t m_time = 0;
};
