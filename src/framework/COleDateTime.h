// A date and time as an OLE date: days since 1899-12-30 00:00, the time of day as the fraction. Before
// that day the whole days count backwards while the fraction still runs forwards (-1.25 is 1899-12-29
// 06:00). Valid from 0100-01-01 to 9999-12-31; the calendar accessors and Format round to the second.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <wtypes.h> // DATE

// winbase.h defines GetCurrentTime() as GetTickCount(); the name belongs to the date classes here.
#undef GetCurrentTime

class COleDateTime
{
public:
    enum DateTimeStatus
    {
        valid = 0,
        invalid = 1,
        null = 2
    };

    static COleDateTime GetCurrentTime();

    COleDateTime() = default;
    COleDateTime(DATE dtSrc);
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    COleDateTime(const SYSTEMTIME& systimeSrc);
    // Local time of a C runtime time value.
    explicit COleDateTime(__time64_t timeSrc);

    // 0 on success, 1 (and the status invalid) when a field is out of range.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
    int SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    DateTimeStatus GetStatus() const { return m_status; }
    operator DATE() const { return m_dt; }

    // Each -1 when the value is not valid. Month 1-12, day of week 1 (Sunday) to 7, day of year 1-366.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;
    int GetDayOfYear() const;
    bool GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // strftime codes (%Y, %m, %d, %H, %M, %S, %A, ...); empty when the value is not valid.
    CString Format(LPCSTR lpszFormat) const;

    bool operator==(const COleDateTime& date) const { return Linear() == date.Linear(); }
    bool operator!=(const COleDateTime& date) const { return Linear() != date.Linear(); }
    bool operator<(const COleDateTime& date) const { return Linear() < date.Linear(); }
    bool operator>(const COleDateTime& date) const { return Linear() > date.Linear(); }
    bool operator<=(const COleDateTime& date) const { return Linear() <= date.Linear(); }
    bool operator>=(const COleDateTime& date) const { return Linear() >= date.Linear(); }

    DATE m_dt = 0;
    DateTimeStatus m_status = valid;

private:
    struct Parts
    {
        int nYear, nMonth, nDay, nHour, nMin, nSec, nDayOfWeek, nDayOfYear;
    };
    bool GetParts(Parts& parts) const;
    // Days as one increasing scale (the fraction runs forwards also before 1899-12-30).
    double Linear() const;
};
