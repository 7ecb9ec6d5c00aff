#include "framework/CTimeSpan.h"

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_nSpan(((static_cast<LONGLONG>(lDays) * 24 + nHours) * 60 + nMins) * 60 + nSecs)
{
}
