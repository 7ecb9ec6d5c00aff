#include "ports/CRxRingBuffer.h"

#include "framework/CSingleLock.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace
{
constexpr unsigned int NOBODY_WAITS = INT_MAX;
} // namespace

CRxRingBuffer::CRxRingBuffer(unsigned int uiCapacity)
    : m_timeouts{MAXDWORD, 0, 0, 0, 0}, m_uiCapacity(uiCapacity), m_uiFreeCount(uiCapacity),
      m_abData(uiCapacity + 1), m_uiWakeThreshold(NOBODY_WAITS)
{
}

void CRxRingBuffer::SetTimeouts(const COMMTIMEOUTS& timeouts)
{
    CSingleLock lock(&m_lock, TRUE);
    m_timeouts = timeouts;
}

unsigned int CRxRingBuffer::GetStoredCount()
{
    CSingleLock lock(&m_lock, TRUE);
    return m_uiCapacity - m_uiFreeCount;
}

// Producer side: a chunk that does not fit is dropped whole.
unsigned int CRxRingBuffer::Put(unsigned int n, const unsigned char* p)
{
    CSingleLock lock(&m_lock, TRUE);
    if (n == 0 || n > m_uiFreeCount)
    {
        m_bOverflow = m_bOverflow || n != 0;
        return 0;
    }
    unsigned int uiFirst = std::min(n, m_uiCapacity - m_uiWriteIndex);
    memcpy(m_abData.data() + m_uiWriteIndex, p, uiFirst);
    memcpy(m_abData.data(), p + uiFirst, n - uiFirst);
    m_uiWriteIndex = (m_uiWriteIndex + n) % m_uiCapacity;
    m_uiFreeCount -= n;
    if (m_uiCapacity - m_uiFreeCount >= m_uiWakeThreshold)
        m_event.SetEvent();
    return n;
}

int CRxRingBuffer::GetByte()
{
    unsigned char uc = 0;
    return Get(1, &uc) == 1 ? uc : -1;
}

unsigned int CRxRingBuffer::Get(unsigned int n, unsigned char* p)
{
    CSingleLock lock(&m_lock, TRUE);
    n = std::min(n, m_uiCapacity - m_uiFreeCount);
    if (n == 0)
        return 0;
    unsigned int uiFirst = std::min(n, m_uiCapacity - m_uiReadIndex);
    memcpy(p, m_abData.data() + m_uiReadIndex, uiFirst);
    memcpy(p + uiFirst, m_abData.data(), n - uiFirst);
    m_uiReadIndex = (m_uiReadIndex + n) % m_uiCapacity;
    m_uiFreeCount += n;
    return n;
}

int CRxRingBuffer::GetByteWait()
{
    m_event.ResetEvent();
    if (GetStoredCount() < 1)
        WaitForData(1);
    return GetByte();
}

unsigned int CRxRingBuffer::GetWait(unsigned int n, unsigned char* p)
{
    m_event.ResetEvent();
    if (GetStoredCount() < n)
        WaitForData(n);
    return Get(n, p);
}

void CRxRingBuffer::WaitForData(unsigned int n)
{
    {
        CSingleLock lock(&m_lock, TRUE);
        if (m_timeouts.ReadIntervalTimeout == MAXDWORD && m_timeouts.ReadTotalTimeoutMultiplier == 0 &&
            m_timeouts.ReadTotalTimeoutConstant == 0)
            return;
        m_dwWaitTime = m_timeouts.ReadTotalTimeoutConstant + n * m_timeouts.ReadTotalTimeoutMultiplier;
        m_dwIntervalBudget = 0;
        if (m_timeouts.ReadIntervalTimeout != MAXDWORD)
        {
            m_dwIntervalBudget = m_timeouts.ReadIntervalTimeout;
            m_dwWaitTime = std::max(m_dwWaitTime, m_timeouts.ReadIntervalTimeout);
        }
        // Checked under the lock that Put signals under, so no wake-up is missed.
        if (m_uiCapacity - m_uiFreeCount >= n)
            return;
        m_uiWakeThreshold = n;
    }
    WaitForSingleObject(m_event, m_dwWaitTime);
    CSingleLock lock(&m_lock, TRUE);
    m_uiWakeThreshold = NOBODY_WAITS;
}

void CRxRingBuffer::Reset()
{
    CSingleLock lock(&m_lock, TRUE);
    m_uiWriteIndex = 0;
    m_uiReadIndex = 0;
    m_uiFreeCount = m_uiCapacity;
    m_uiWakeThreshold = NOBODY_WAITS;
}

bool CRxRingBuffer::IsReaderWaiting()
{
    CSingleLock lock(&m_lock, TRUE);
    return m_uiWakeThreshold != NOBODY_WAITS;
}

void CRxRingBuffer::Wake()
{
    m_event.SetEvent();
}
