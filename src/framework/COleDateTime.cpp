#include "framework/COleDateTime.h"

#include <cmath>
#include <ctime>

namespace
{
constexpr double kMinDate = -657434.0;            // 0100-01-01
constexpr double kMaxDate = 2958465.99999999;     // 9999-12-31 23:59:59
constexpr long long kEpochDays = -25569 + 719468; // 1899-12-30 as days since 0000-03-01

// Days since 0000-03-01 of a proleptic Gregorian date, and back.
long long DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

void CivilFromDays(long long z, int& y, int& m, int& d)
{
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = (int)(doy - (153 * mp + 2) / 5 + 1);
    m = (int)(mp < 10 ? mp + 3 : mp - 9);
    y = (int)(yoe + era * 400 + (m <= 2));
}

bool IsLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int s_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : s_days[m - 1];
}
} // namespace

COleDateTime COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return COleDateTime(st);
}

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc)
{
    if (!(dtSrc >= kMinDate && dtSrc <= kMaxDate))
        m_status = invalid;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
}

COleDateTime::COleDateTime(__time64_t timeSrc)
{
    struct tm local;
    if (_localtime64_s(&local, &timeSrc) != 0)
    {
        m_status = invalid;
        return;
    }
    SetDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 ||
        nSec > 59)
    {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    const double dDays = (double)(DaysFromCivil(nYear, nMonth, nDay) - kEpochDays);
    const double dFraction = (nHour * 3600 + nMin * 60 + nSec) / 86400.0;
    m_dt = dDays >= 0 ? dDays + dFraction : dDays - dFraction;
    m_status = valid;
    return 0;
}

double COleDateTime::Linear() const
{
    const double dDays = std::trunc(m_dt);
    return dDays + std::fabs(m_dt - dDays);
}

bool COleDateTime::GetParts(Parts& parts) const
{
    if (m_status != valid || !(m_dt >= kMinDate && m_dt <= kMaxDate))
        return false;
    long long nDays = (long long)std::trunc(m_dt);
    long long nSeconds = std::llround(std::fabs(m_dt - (double)nDays) * 86400.0);
    if (nSeconds >= 86400)
    {
        nSeconds -= 86400;
        ++nDays;
    }
    const long long nCivil = nDays + kEpochDays;
    CivilFromDays(nCivil, parts.nYear, parts.nMonth, parts.nDay);
    parts.nHour = (int)(nSeconds / 3600);
    parts.nMin = (int)(nSeconds / 60 % 60);
    parts.nSec = (int)(nSeconds % 60);
    // 0000-03-01 was a Wednesday.
    parts.nDayOfWeek = (int)(((nCivil + 3) % 7 + 7) % 7) + 1;
    parts.nDayOfYear = (int)(nCivil - DaysFromCivil(parts.nYear, 1, 1)) + 1;
    return true;
}

int COleDateTime::GetYear() const
{
    Parts p;
    return GetParts(p) ? p.nYear : -1;
}

int COleDateTime::GetMonth() const
{
    Parts p;
    return GetParts(p) ? p.nMonth : -1;
}

int COleDateTime::GetDay() const
{
    Parts p;
    return GetParts(p) ? p.nDay : -1;
}

int COleDateTime::GetHour() const
{
    Parts p;
    return GetParts(p) ? p.nHour : -1;
}

int COleDateTime::GetMinute() const
{
    Parts p;
    return GetParts(p) ? p.nMin : -1;
}

int COleDateTime::GetSecond() const
{
    Parts p;
    return GetParts(p) ? p.nSec : -1;
}

int COleDateTime::GetDayOfWeek() const
{
    Parts p;
    return GetParts(p) ? p.nDayOfWeek : -1;
}

int COleDateTime::GetDayOfYear() const
{
    Parts p;
    return GetParts(p) ? p.nDayOfYear : -1;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    Parts p;
    if (!GetParts(p))
        return false;
    sysTime = {(WORD)p.nYear,
               (WORD)p.nMonth,
               (WORD)(p.nDayOfWeek - 1),
               (WORD)p.nDay,
               (WORD)p.nHour,
               (WORD)p.nMin,
               (WORD)p.nSec,
               0};
    return true;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const
{
    Parts p;
    if (lpszFormat == nullptr || *lpszFormat == '\0' || !GetParts(p))
        return CString();
    struct tm t = {};
    t.tm_year = p.nYear - 1900;
    t.tm_mon = p.nMonth - 1;
    t.tm_mday = p.nDay;
    t.tm_hour = p.nHour;
    t.tm_min = p.nMin;
    t.tm_sec = p.nSec;
    t.tm_wday = p.nDayOfWeek - 1;
    t.tm_yday = p.nDayOfYear - 1;
    t.tm_isdst = -1;
    // strftime gives 0 both for an empty result and for a buffer too small: retry a few times larger.
    CString result;
    for (int nSize = 128; nSize <= 8192; nSize *= 4)
    {
        const size_t n = std::strftime(result.GetBuffer(nSize), (size_t)nSize, lpszFormat, &t);
        result.ReleaseBuffer((int)n);
        if (n > 0)
            break;
    }
    return result;
}
