#include "framework/CTime.h"

#include "framework/CInvalidArgException.h"

CTime CTime::GetCurrentTime()
{
    return CTime(_time64(nullptr));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    if (nYear < 1900 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 || nHour < 0 || nHour > 23 ||
        nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
        AfxThrowInvalidArgException();
    struct tm local = {};
    local.tm_year = nYear - 1900;
    local.tm_mon = nMonth - 1;
    local.tm_mday = nDay;
    local.tm_hour = nHour;
    local.tm_min = nMin;
    local.tm_sec = nSec;
    local.tm_isdst = nDST;
    m_time = _mktime64(&local);
    if (m_time == -1)
        AfxThrowInvalidArgException();
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    if (ptm == nullptr || _localtime64_s(ptm, &m_time) != 0)
        return nullptr;
    return ptm;
}

int CTime::LocalField(int tm::*pField, int nOffset) const
{
    struct tm local;
    return GetLocalTm(&local) != nullptr ? local.*pField + nOffset : 0;
}

int CTime::GetYear() const
{
    return LocalField(&tm::tm_year, 1900);
}

int CTime::GetMonth() const
{
    return LocalField(&tm::tm_mon, 1);
}

int CTime::GetDay() const
{
    return LocalField(&tm::tm_mday, 0);
}

int CTime::GetHour() const
{
    return LocalField(&tm::tm_hour, 0);
}

int CTime::GetMinute() const
{
    return LocalField(&tm::tm_min, 0);
}

int CTime::GetSecond() const
{
    return LocalField(&tm::tm_sec, 0);
}

int CTime::GetDayOfWeek() const
{
    return LocalField(&tm::tm_wday, 1);
}

CString CTime::Format(const char* pszFormat) const
{
    if (pszFormat == nullptr)
        AfxThrowInvalidArgException();
    struct tm local;
    if (*pszFormat == '\0' || GetLocalTm(&local) == nullptr)
        return CString();
    // strftime gives 0 both for an empty result and for a buffer too small: retry a few times larger.
    CString result;
    for (int nSize = 128; nSize <= 8192; nSize *= 4)
    {
        std::size_t n =
            std::strftime(result.GetBuffer(nSize), static_cast<std::size_t>(nSize), pszFormat, &local);
        result.ReleaseBuffer(static_cast<int>(n));
        if (n > 0)
            break;
    }
    return result;
}
