// The periodic high-resolution timer of the operator panel (the system's multimedia timer service). It
// raises the system's timer resolution once, at construction, and lowers it again at destruction; one
// timer runs at a time. Its callback runs on the system's timer thread: the owner keeps what it does
// there to a message for its own thread.
#pragma once

#include "framework/AfxWin32.h"

class CMultimediaTimer
{
public:
    // The signature of a multimedia timer callback: timer id, message, user value, two reserved values.
    using Callback = void(CALLBACK*)(UINT uTimerId, UINT uMsg, DWORD_PTR dwUser, DWORD_PTR dw1,
                                     DWORD_PTR dw2);

    // uResolution 0 takes the finest resolution the machine offers; any other value is clamped to it.
    explicit CMultimediaTimer(UINT uResolution);
    ~CMultimediaTimer();
    CMultimediaTimer(const CMultimediaTimer&) = delete;
    CMultimediaTimer& operator=(const CMultimediaTimer&) = delete;

    // False while a timer runs (it keeps running) and when the system gives none.
    bool Start(UINT uDelayMs, Callback pfnCallback, DWORD_PTR dwUser, UINT uFlags);
    // Ends the running timer; nothing while none runs.
    void Stop();
    bool IsRunning() const { return m_uTimerId != 0; }

    // The resolution for a request: 0 gives uPeriodMin, others are clamped to uPeriodMin..uPeriodMax.
    static UINT ClampResolution(UINT uRequested, UINT uPeriodMin, UINT uPeriodMax);

    UINT m_uResolution = 0;
    UINT m_uTimerId = 0;
    BYTE m_bPeriodSet = 0;
    UINT m_uPeriodMin = 0;
    UINT m_uPeriodMax = 0;
};
