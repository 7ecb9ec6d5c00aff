#include "ports/CRxRingBuffer.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace
{
constexpr unsigned int NOBODY_WAITS = INT_MAX;

class CRingLock
{
public:
    explicit CRingLock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~CRingLock() { LeaveCriticalSection(&m_cs); }
    CRingLock(const CRingLock&) = delete;
    CRingLock& operator=(const CRingLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};
} // namespace

CRxRingBuffer::CRxRingBuffer(unsigned int uiCapacity)
    : m_timeouts{MAXDWORD, 0, 0, 0, 0}, m_uiCapacity(uiCapacity), m_uiFreeCount(uiCapacity),
      m_pData(new (std::nothrow) unsigned char[uiCapacity + 1]), m_uiWakeThreshold(NOBODY_WAITS),
      m_hEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    InitializeCriticalSection(&m_lock);
    if (m_pData == nullptr)
    {
        m_uiCapacity = 0;
        m_uiFreeCount = 0;
    }
}

CRxRingBuffer::~CRxRingBuffer()
{
    delete[] m_pData;
    if (m_hEvent != nullptr)
        CloseHandle(m_hEvent);
    DeleteCriticalSection(&m_lock);
}

void CRxRingBuffer::SetTimeouts(const COMMTIMEOUTS& timeouts)
{
    CRingLock lock(m_lock);
    m_timeouts = timeouts;
}

unsigned int CRxRingBuffer::GetFreeCount()
{
    CRingLock lock(m_lock);
    return m_uiFreeCount;
}

unsigned int CRxRingBuffer::GetStoredCount()
{
    return m_uiCapacity - GetFreeCount();
}

// Producer side: a chunk that does not fit is dropped whole.
unsigned int CRxRingBuffer::Put(unsigned int n, const unsigned char* p)
{
    if (n == 0 || n > GetFreeCount())
    {
        m_bOverflow = m_bOverflow || n != 0;
        return 0;
    }
    unsigned int uiFirst = std::min(n, m_uiCapacity - m_uiWriteIndex);
    memcpy(m_pData + m_uiWriteIndex, p, uiFirst);
    memcpy(m_pData, p + uiFirst, n - uiFirst);
    m_uiWriteIndex = (m_uiWriteIndex + n) % m_uiCapacity;
    CRingLock lock(m_lock);
    m_uiFreeCount -= n;
    if (m_uiCapacity - m_uiFreeCount >= m_uiWakeThreshold)
        SetEvent(m_hEvent);
    return n;
}

int CRxRingBuffer::GetByte()
{
    unsigned char uc = 0;
    return Get(1, &uc) == 1 ? uc : -1;
}

unsigned int CRxRingBuffer::Get(unsigned int n, unsigned char* p)
{
    n = std::min(n, GetStoredCount());
    if (n == 0)
        return 0;
    unsigned int uiFirst = std::min(n, m_uiCapacity - m_uiReadIndex);
    memcpy(p, m_pData + m_uiReadIndex, uiFirst);
    memcpy(p + uiFirst, m_pData, n - uiFirst);
    m_uiReadIndex = (m_uiReadIndex + n) % m_uiCapacity;
    CRingLock lock(m_lock);
    m_uiFreeCount += n;
    return n;
}

int CRxRingBuffer::GetByteWait()
{
    ResetEvent(m_hEvent);
    if (GetStoredCount() < 1)
        WaitForData(1);
    return GetByte();
}

unsigned int CRxRingBuffer::GetWait(unsigned int n, unsigned char* p)
{
    ResetEvent(m_hEvent);
    if (GetStoredCount() < n)
        WaitForData(n);
    return Get(n, p);
}

void CRxRingBuffer::WaitForData(unsigned int n)
{
    {
        CRingLock lock(m_lock);
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
    WaitForSingleObject(m_hEvent, m_dwWaitTime);
    CRingLock lock(m_lock);
    m_uiWakeThreshold = NOBODY_WAITS;
}

void CRxRingBuffer::Reset()
{
    CRingLock lock(m_lock);
    m_uiWriteIndex = 0;
    m_uiReadIndex = 0;
    m_uiFreeCount = m_uiCapacity;
    m_uiWakeThreshold = NOBODY_WAITS;
}

void CRxRingBuffer::Wake()
{
    SetEvent(m_hEvent);
}
