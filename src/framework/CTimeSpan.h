// A signed time difference in whole seconds (64-bit).
#pragma once

#include "framework/AfxTypes.h"

class CTimeSpan
{
public:
    CTimeSpan() = default;
    CTimeSpan(LONGLONG nSeconds) : m_nSpan(nSeconds) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    LONGLONG GetTimeSpan() const { return m_nSpan; }
    LONGLONG GetDays() const { return m_nSpan / 86400; }
    // The parts within the day, hour and minute (signed like the span).
    int GetHours() const { return static_cast<int>(m_nSpan / 3600 % 24); }
    int GetMinutes() const { return static_cast<int>(m_nSpan / 60 % 60); }
    int GetSeconds() const { return static_cast<int>(m_nSpan % 60); }
    LONGLONG GetTotalHours() const { return m_nSpan / 3600; }
    LONGLONG GetTotalMinutes() const { return m_nSpan / 60; }
    LONGLONG GetTotalSeconds() const { return m_nSpan; }

    CTimeSpan operator+(CTimeSpan span) const { return CTimeSpan(m_nSpan + span.m_nSpan); }
    CTimeSpan operator-(CTimeSpan span) const { return CTimeSpan(m_nSpan - span.m_nSpan); }
    CTimeSpan& operator+=(CTimeSpan span)
    {
        m_nSpan += span.m_nSpan;
        return *this;
    }
    CTimeSpan& operator-=(CTimeSpan span)
    {
        m_nSpan -= span.m_nSpan;
        return *this;
    }
    auto operator<=>(const CTimeSpan&) const = default;

private:
    LONGLONG m_nSpan = 0;
};
