#include "ports/CReceivePace.h"

void CReceivePace::Reset(DWORD dwPeriodMs, unsigned int uiHalfBuffer, ULONGLONG ullNow)
{
    m_dwPeriodMs = dwPeriodMs;
    m_uiHalfBuffer = uiHalfBuffer;
    EndStream(ullNow);
}

bool CReceivePace::OnRead(ULONGLONG ullNow, unsigned int uiBytes, ULONGLONG ullLastWrite)
{
    if (ullNow - m_ullPeriodStart >= m_dwPeriodMs)
    {
        m_ullPeriodStart = ullNow;
        m_uiPeriodBytes = 0;
    }
    m_uiPeriodBytes += uiBytes;
    if (m_dwPeriodMs == 0 || m_uiPeriodBytes < m_uiHalfBuffer || ullNow < ullLastWrite + ANSWER_WINDOW_MS)
        return false;
    m_bStreaming = true;
    m_ullStreamSince = ullNow;
    m_ullNextBatch = ullNow + m_dwPeriodMs;
    return true;
}

void CReceivePace::OnBatch(ULONGLONG ullNow, unsigned int uiQueued, bool bFull)
{
    if (uiQueued < m_uiHalfBuffer)
        EndStream(ullNow);
    else
        m_ullNextBatch = bFull ? ullNow : ullNow + m_dwPeriodMs;
}

bool CReceivePace::OnRequest(ULONGLONG ullWrite, ULONGLONG ullNow)
{
    // The stream mode began no earlier than an answer window after the last request it knew of.
    if (ullWrite + ANSWER_WINDOW_MS <= m_ullStreamSince)
        return false;
    EndStream(ullNow);
    return true;
}

void CReceivePace::EndStream(ULONGLONG ullNow)
{
    m_bStreaming = false;
    m_ullPeriodStart = ullNow;
    m_uiPeriodBytes = 0;
}
