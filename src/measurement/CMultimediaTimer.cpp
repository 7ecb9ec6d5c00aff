#include "measurement/CMultimediaTimer.h"

#include <mmsystem.h>

#include <algorithm>

CMultimediaTimer::CMultimediaTimer(UINT uResolution) : m_uResolution(uResolution)
{
    TIMECAPS caps = {};
    if (::timeGetDevCaps(&caps, sizeof(caps)) != TIMERR_NOERROR)
        return;
    m_uPeriodMin = caps.wPeriodMin;
    m_uPeriodMax = caps.wPeriodMax;
    m_uResolution = ClampResolution(uResolution, m_uPeriodMin, m_uPeriodMax);
    m_bPeriodSet = ::timeBeginPeriod(m_uResolution) == TIMERR_NOERROR ? 1 : 0;
}

CMultimediaTimer::~CMultimediaTimer()
{
    Stop();
    if (m_bPeriodSet)
        ::timeEndPeriod(m_uResolution);
}

UINT CMultimediaTimer::ClampResolution(UINT uRequested, UINT uPeriodMin, UINT uPeriodMax)
{
    if (uRequested == 0)
        return uPeriodMin;
    return std::clamp(uRequested, uPeriodMin, std::max(uPeriodMin, uPeriodMax));
}

bool CMultimediaTimer::Start(UINT uDelayMs, Callback pfnCallback, DWORD_PTR dwUser, UINT uFlags)
{
    if (m_uTimerId != 0)
        return false;
    m_uTimerId = ::timeSetEvent(uDelayMs, m_uResolution, pfnCallback, dwUser, uFlags);
    return m_uTimerId != 0;
}

void CMultimediaTimer::Stop()
{
    if (m_uTimerId == 0)
        return;
    ::timeKillEvent(m_uTimerId);
    m_uTimerId = 0;
}
