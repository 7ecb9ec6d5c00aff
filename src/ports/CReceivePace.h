// When the reader of a serial port hands its bytes on: at the first byte of every read while the line
// carries answers (an idle line, requests and their answers), or in batches a period apart while it
// streams. The line streams once half a receive buffer arrives within one period with no request written
// within the answer window; it stops streaming when a period brings less than half a buffer, or when a
// request is written, so that no answer waits for a batch.
#pragma once

#include "framework/AfxWin32.h"

class CReceivePace
{
public:
    static constexpr DWORD ANSWER_WINDOW_MS = 100;

    // A period of 0 never batches.
    void Reset(DWORD dwPeriodMs, unsigned int uiHalfBuffer, ULONGLONG ullNow);
    bool IsStreaming() const { return m_bStreaming; }
    ULONGLONG GetNextBatch() const { return m_ullNextBatch; }
    // A read in answer mode took uiBytes at ullNow; ullLastWrite is when the last request was written.
    // True when the line streams from now on.
    bool OnRead(ULONGLONG ullNow, unsigned int uiBytes, ULONGLONG ullLastWrite);
    // A batch was taken at ullNow from uiQueued waiting bytes; bFull when it could not take them all.
    void OnBatch(ULONGLONG ullNow, unsigned int uiQueued, bool bFull);
    // A request written at ullWrite woke the streaming reader: true when it ends the stream mode, false
    // for a wake-up left from a request written before the stream mode began.
    bool OnRequest(ULONGLONG ullWrite, ULONGLONG ullNow);

private:
    void EndStream(ULONGLONG ullNow);

    DWORD m_dwPeriodMs = 0;
    unsigned int m_uiHalfBuffer = 0;
    bool m_bStreaming = false;
    ULONGLONG m_ullStreamSince = 0;
    ULONGLONG m_ullNextBatch = 0;
    // Answer mode: the bytes read since the current period began.
    ULONGLONG m_ullPeriodStart = 0;
    unsigned int m_uiPeriodBytes = 0;
};
